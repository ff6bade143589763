// The buttons held since their press and the modifiers held with them.
#include "platform/emulated/pointer_hold.h"

namespace {

struct HeldButton {
  bool held, shift, control;
};

constexpr int Left = 0, Right = 1;
constexpr OsWParam ButtonFlags[2] = {MK_LBUTTON, MK_RBUTTON};

HeldButton Buttons[2];

int ButtonOf(std::uint32_t message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return Right;
    default: return -1;
  }
}

}  // namespace

namespace emu {

void HoldForMessage(OsMessage& message, bool& shift, bool& control) {
  int button = ButtonOf(message.message);
  bool release = message.message == WM_LBUTTONUP || message.message == WM_RBUTTONUP;
  if (button >= 0 && !release) Buttons[button] = {true, shift, control};
  OsWParam flags = 0;
  for (int i = Left; i <= Right; ++i) {
    if (!Buttons[i].held) continue;
    shift = shift || Buttons[i].shift;
    control = control || Buttons[i].control;
    if (!(release && i == button)) flags |= ButtonFlags[i];
  }
  // The released button and its modifiers count as up from the next message.
  if (release) Buttons[button] = {};
  if (!IsPointerMessage(message.message)) return;
  OsWParam delta = message.message == WM_MOUSEWHEEL ? message.wParam & 0xFFFF0000u : 0;
  message.wParam = delta | flags | (shift ? MK_SHIFT : 0) | (control ? MK_CONTROL : 0);
}

void ResetPointerHold() {
  Buttons[Left] = {};
  Buttons[Right] = {};
}

}  // namespace emu
