// Key messages as Windows builds them, for the front ends that make them from
// another system's key events: which message a key event becomes and the
// bits of its lParam.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace emu {

struct KeyMessageParts {
  std::uint32_t message;  // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP
  OsLParam lParam;        // repeat count, Alt context, previous state, transition
};

// A key pressed (or auto-repeated) or released, with Alt held or not. Alt
// makes a system key, and so does F10, the menu key on Windows.
KeyMessageParts MakeKeyMessage(OsWParam virtualKey, bool pressed, bool repeat, bool alt);

}  // namespace emu
