// Input from the page: the canvas's key events become Windows messages in a
// fixed ring, taken one at a time after the program's own posted messages.
// An event the program takes is kept from the browser.
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include "platform/emulated/emulated.h"
#include "platform/web/web_backend.h"
#include "platform/web/web_keys.h"

namespace {

constexpr int RingSize = 256;

struct InputRing {
  web::WebKeyMessage slots[RingSize];
  std::uint32_t times[RingSize];
  int head;
  int count;
};

InputRing Input;

EM_BOOL OnKey(int type, const EmscriptenKeyboardEvent* event, void*) {
  web::BrowserKeyEvent browserEvent = {
      event->key,         event->code,          type == EMSCRIPTEN_EVENT_KEYDOWN,
      event->repeat != 0, event->shiftKey != 0, event->ctrlKey != 0,
      event->altKey != 0, event->metaKey != 0};
  web::WebKeyMessage key;
  if (!web::TranslateBrowserKey(browserEvent, key)) return EM_FALSE;
  if (Input.count < RingSize) {  // a full ring drops, as the system's queue does
    int slot = (Input.head + Input.count) % RingSize;
    Input.slots[slot] = key;
    Input.times[slot] = static_cast<std::uint32_t>(emscripten_get_now());
    ++Input.count;
  }
  return EM_TRUE;
}

}  // namespace

namespace web {

void StartInput() {
  emscripten_set_keydown_callback("#screen", nullptr, EM_TRUE, OnKey);
  emscripten_set_keyup_callback("#screen", nullptr, EM_TRUE, OnKey);
}

void StopInput() {
  emscripten_set_keydown_callback("#screen", nullptr, EM_TRUE, nullptr);
  emscripten_set_keyup_callback("#screen", nullptr, EM_TRUE, nullptr);
}

}  // namespace web

bool OsPeekMessage(OsMessage& message) {
  if (emu::TakePostedMessage(message)) return true;
  if (Input.count == 0) return false;
  const web::WebKeyMessage& key = Input.slots[Input.head];
  message = {};
  message.window = emu::MainWindow();
  message.message = key.message;
  message.wParam = key.wParam;
  message.lParam = key.lParam;
  message.time = Input.times[Input.head];
  emu::SetHeldModifiers(key.shift, key.control);
  Input.head = (Input.head + 1) % RingSize;
  --Input.count;
  return true;
}
