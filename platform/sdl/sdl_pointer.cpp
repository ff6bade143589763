// The pointer on the desktop: when it shows, and the mouse events that become
// the program's pointer messages. In a window it always shows. In full
// screen it shows while the program or a dialog shows it, and otherwise from
// a movement of the mouse until 2 s pass without one or a key is pressed;
// presses and the wheel count only while it shows. Positions go through the
// picture's scale and letterbox, and nothing outside the picture is
// delivered, but for the release of a press that was: the program sees it
// at the picture's nearest pixel.
#include "platform/present/frame_present.h"
#include "platform/sdl/sdl_backend.h"

namespace {

constexpr Uint32 ShownAfterMoveMs = 2000;
constexpr int MaxNotches = 100;  // of one message, as a script line holds them

struct DesktopPointer {
  bool fullScreen{};
  bool wanted{};  // the program or a dialog shows it
  bool moved{};   // full screen: shown by a movement
  Uint32 movedAt{};
  bool pressed[2]{};  // left, right: a press was delivered, its release will be
  int applied = -1;   // what SDL was last told: -1 nothing yet, 0 hidden, 1 shown
};

DesktopPointer Pointer;

bool Shown() { return !Pointer.fullScreen || Pointer.wanted || Pointer.moved; }

void Apply() {
  int shown = Shown() ? 1 : 0;
  if (shown == Pointer.applied) return;
  Pointer.applied = shown;
  SDL_ShowCursor(shown != 0 ? SDL_ENABLE : SDL_DISABLE);
}

// The picture pixel under window point (x, y); false outside the picture.
bool PictureAt(int windowX, int windowY, OsLParam& lParam) {
  SDL_Window* window = desktop::Window();
  if (window == nullptr) return false;
  int width = 0, height = 0;
  SDL_GetWindowSize(window, &width, &height);
  int x = 0, y = 0;
  bool inside = present::PicturePixel(present::LayOut(width, height), windowX, windowY, x, y);
  lParam = static_cast<OsLParam>(x | y << 16);
  return inside;
}

int ButtonIndex(Uint8 button) {
  return button == SDL_BUTTON_LEFT ? 0 : button == SDL_BUTTON_RIGHT ? 1 : -1;
}

}  // namespace

namespace desktop {

void StartPointer(bool fullScreen) {
  Pointer = {};
  Pointer.fullScreen = fullScreen;
  Apply();
}

void SetPointerVisible(bool visible) {
  Pointer.wanted = visible;
  Apply();
}

void PointerSeesKey() {
  Pointer.moved = false;
  Apply();
}

void PointerSeesTime() {
  if (Pointer.moved && SDL_GetTicks() - Pointer.movedAt >= ShownAfterMoveMs) {
    Pointer.moved = false;
    Apply();
  }
}

bool TranslatePointer(const SDL_Event& event, KeyMessage& out) {
  SDL_Keymod held = SDL_GetModState();
  out = {};
  switch (event.type) {
    case SDL_MOUSEMOTION:
      // SDL tells where the pointer is also when the window, not the mouse,
      // moved (its focus, size or place changed): without a relative move.
      if (event.motion.xrel != 0 || event.motion.yrel != 0) {
        Pointer.moved = true;
        Pointer.movedAt = SDL_GetTicks();
        Apply();
      }
      out.message = WM_MOUSEMOVE;
      return PictureAt(event.motion.x, event.motion.y, out.lParam);
    case SDL_MOUSEBUTTONDOWN: {
      int button = ButtonIndex(event.button.button);
      if (button < 0 || !Shown() || !PictureAt(event.button.x, event.button.y, out.lParam))
        return false;
      Pointer.pressed[button] = true;
      out.message = button == 0 ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
      out.shift = (held & KMOD_SHIFT) != 0;
      out.control = (held & KMOD_CTRL) != 0;
      return true;
    }
    case SDL_MOUSEBUTTONUP: {
      int button = ButtonIndex(event.button.button);
      if (button < 0 || !Pointer.pressed[button]) return false;
      Pointer.pressed[button] = false;
      PictureAt(event.button.x, event.button.y, out.lParam);
      out.message = button == 0 ? WM_LBUTTONUP : WM_RBUTTONUP;
      return true;
    }
    case SDL_MOUSEWHEEL: {
      int notches = event.wheel.y;
      if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
      notches = notches < -MaxNotches ? -MaxNotches : notches > MaxNotches ? MaxNotches : notches;
      int x = 0, y = 0;
      SDL_GetMouseState(&x, &y);
      if (notches == 0 || !Shown() || !PictureAt(x, y, out.lParam)) return false;
      out.message = WM_MOUSEWHEEL;
      out.wParam = static_cast<OsWParam>(static_cast<std::uint16_t>(notches * WHEEL_DELTA)) << 16;
      out.shift = (held & KMOD_SHIFT) != 0;
      return true;
    }
    default: return false;
  }
}

}  // namespace desktop

void BackendCursorVisibility(bool visible) { desktop::SetPointerVisible(visible); }
