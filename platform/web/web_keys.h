// The browser's key events as the program knows them: the Windows
// virtual-key code of a KeyboardEvent's `key` and `code`, the shortcuts the
// page leaves to the browser, and the key message each event becomes. Free of
// emscripten, so that the tests run it natively.
#pragma once

#include "platform/emulated/input_ring.h"
#include "platform/platform.h"

namespace web {

// What the page's key handler reads from a KeyboardEvent.
struct BrowserKeyEvent {
  const char* key;   // KeyboardEvent.key: "a", "A", "ArrowLeft", "F3", "+", ...
  const char* code;  // KeyboardEvent.code, the key's place: "KeyA", "Digit1", "Numpad4", ...
  bool pressed;      // keydown, else keyup
  bool repeat;
  bool shift, control, alt, meta;
};

// The virtual-key code of the event's key, or 0 for a key the program never
// sees. Letters follow the layout (`key`), falling back on their place for
// a layout outside Latin; digits and named keys go by place; the main
// keyboard's + (=) and - stand in for the numpad's; the numpad's digits
// without NumLock are the keys printed under them.
OsWParam VirtualKeyOf(const BrowserKeyEvent& event);

// A key message for the program (the page's pointer messages travel alike).
using WebKeyMessage = emu::InputMessage;

// True when the event goes to the program, which then owns it (the page
// cancels the browser's own action); false for keys without a code and the
// shortcuts the browser keeps: anything with the Meta key, F11, F12, the
// tab, window, zoom and address keys with Ctrl, the developer tools, and
// history with Alt.
bool TranslateBrowserKey(const BrowserKeyEvent& event, WebKeyMessage& out);

}  // namespace web
