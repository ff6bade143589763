// Input from the page: the canvas's key and mouse events become Windows
// messages in the input ring. An event the program takes is kept from the
// browser. The mouse goes through the canvas's scale, as the desktop
// window's goes through its layout: nothing outside the picture is delivered
// but for the release of a press that was, at the picture's nearest pixel.
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cmath>

#include "platform/emulated/emulated.h"
#include "platform/emulated/input_ring.h"
#include "platform/present/frame_present.h"
#include "platform/web/web_backend.h"
#include "platform/web/web_keys.h"

namespace {

constexpr int MaxNotches = 100;  // of one message, as a script line holds them
constexpr double PixelsPerNotch = 100, LinesPerNotch = 3;

struct PagePointer {
  bool pressed[2];  // left, right: a press was delivered, its release will be
  double wheel;     // the wheel's turn not yet a whole notch, in notches
};

PagePointer Pointer;

void Push(const web::WebKeyMessage& message) {
  emu::PushInput(message, static_cast<std::uint32_t>(emscripten_get_now()));
}

// The canvas's box on the page, in CSS pixels: left, top, width, height.
EM_JS(void, CanvasBox, (double* box), {
  const rect = document.getElementById('screen').getBoundingClientRect();
  HEAPF64.set([ rect.left, rect.top, rect.width, rect.height ], box >> 3);
});

// The picture pixel under the page point (clientX, clientY) as lParam; false
// outside the picture, where it is the picture's nearest pixel.
bool PictureAt(long clientX, long clientY, OsLParam& lParam) {
  double box[4];
  CanvasBox(box);
  present::Layout layout = {};
  layout.picture = {0, 0, static_cast<int>(std::lround(box[2])),
                    static_cast<int>(std::lround(box[3]))};
  int x = 0, y = 0;
  bool inside = present::PicturePixel(layout, static_cast<int>(std::floor(clientX - box[0])),
                                      static_cast<int>(std::floor(clientY - box[1])), x, y);
  lParam = static_cast<OsLParam>(x | y << 16);
  return inside;
}

int ButtonIndex(unsigned short button) { return button == 0 ? 0 : button == 2 ? 1 : -1; }

// Presses and movements on the canvas, and releases anywhere on the page.
// The browser keeps its own action on them (focus, the end of a drag); the
// page keeps the context menu from the canvas.
EM_BOOL OnMouse(int type, const EmscriptenMouseEvent* event, void*) {
  web::WebKeyMessage out = {};
  bool inside = PictureAt(event->clientX, event->clientY, out.lParam);
  int button = ButtonIndex(event->button);
  switch (type) {
    case EMSCRIPTEN_EVENT_MOUSEMOVE:
      if (!inside) return EM_FALSE;
      out.message = WM_MOUSEMOVE;
      break;
    case EMSCRIPTEN_EVENT_MOUSEDOWN:
      if (button < 0 || !inside) return EM_FALSE;
      Pointer.pressed[button] = true;
      out.message = button == 0 ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
      out.shift = event->shiftKey != 0;
      out.control = event->ctrlKey != 0;
      break;
    case EMSCRIPTEN_EVENT_MOUSEUP:
      if (button < 0 || !Pointer.pressed[button]) return EM_FALSE;
      Pointer.pressed[button] = false;
      out.message = button == 0 ? WM_LBUTTONUP : WM_RBUTTONUP;
      break;
    default: return EM_FALSE;
  }
  Push(out);
  return EM_FALSE;
}

// The wheel over the picture, in notches away from the user; a wheel that
// the browser turns sideways with Shift counts as the one it was.
EM_BOOL OnWheel(int, const EmscriptenWheelEvent* event, void*) {
  double delta = event->deltaY;
  if (delta == 0 && event->mouse.shiftKey) delta = event->deltaX;
  double notches = event->deltaMode == DOM_DELTA_PIXEL  ? delta / PixelsPerNotch
                   : event->deltaMode == DOM_DELTA_LINE ? delta / LinesPerNotch
                                                        : delta;
  web::WebKeyMessage out = {};
  if (!PictureAt(event->mouse.clientX, event->mouse.clientY, out.lParam)) return EM_FALSE;
  Pointer.wheel -= notches;
  int whole = static_cast<int>(std::trunc(Pointer.wheel));
  Pointer.wheel -= whole;
  whole = whole < -MaxNotches ? -MaxNotches : whole > MaxNotches ? MaxNotches : whole;
  if (whole != 0) {
    out.message = WM_MOUSEWHEEL;
    out.wParam = static_cast<OsWParam>(static_cast<std::uint16_t>(whole * WHEEL_DELTA)) << 16;
    out.shift = event->mouse.shiftKey != 0;
    Push(out);
  }
  return EM_TRUE;  // the page does not scroll under the picture
}

EM_BOOL OnKey(int type, const EmscriptenKeyboardEvent* event, void*) {
  web::BrowserKeyEvent browserEvent = {
      event->key,         event->code,          type == EMSCRIPTEN_EVENT_KEYDOWN,
      event->repeat != 0, event->shiftKey != 0, event->ctrlKey != 0,
      event->altKey != 0, event->metaKey != 0};
  web::WebKeyMessage key;
  if (!web::TranslateBrowserKey(browserEvent, key)) return EM_FALSE;
  Push(key);
  return EM_TRUE;
}

}  // namespace

namespace web {

void Listen(bool on) {
  const char* canvas = "#screen";
  emscripten_set_keydown_callback(canvas, nullptr, EM_TRUE, on ? OnKey : nullptr);
  emscripten_set_keyup_callback(canvas, nullptr, EM_TRUE, on ? OnKey : nullptr);
  emscripten_set_mousedown_callback(canvas, nullptr, EM_TRUE, on ? OnMouse : nullptr);
  emscripten_set_mousemove_callback(canvas, nullptr, EM_TRUE, on ? OnMouse : nullptr);
  // A release outside the canvas still ends a press that began on it.
  emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE,
                                  on ? OnMouse : nullptr);
  emscripten_set_wheel_callback(canvas, nullptr, EM_TRUE, on ? OnWheel : nullptr);
}

}  // namespace web

bool OsPeekMessage(OsMessage& message) {
  return emu::TakePostedMessage(message) || emu::TakeInput(message, nullptr);
}
