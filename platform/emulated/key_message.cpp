// The key message and its lParam bits.
#include "platform/emulated/key_message.h"

namespace emu {

namespace {

constexpr OsLParam RepeatOnce = 1;
constexpr OsLParam AltContext = OsLParam{1} << 29;
constexpr OsLParam WasDown = OsLParam{1} << 30;
constexpr OsLParam Released = OsLParam{1} << 31;

}  // namespace

KeyMessageParts MakeKeyMessage(OsWParam virtualKey, bool pressed, bool repeat, bool alt) {
  KeyMessageParts parts{};
  parts.lParam = RepeatOnce;
  if (alt) parts.lParam |= AltContext;
  if (!pressed) parts.lParam |= WasDown | Released;
  if (pressed && repeat) parts.lParam |= WasDown;
  if (alt || virtualKey == VK_F10)
    parts.message = pressed ? WM_SYSKEYDOWN : WM_SYSKEYUP;
  else
    parts.message = pressed ? WM_KEYDOWN : WM_KEYUP;
  return parts;
}

}  // namespace emu
