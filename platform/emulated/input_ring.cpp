// The fixed ring of input waiting for the program.
#include "platform/emulated/input_ring.h"

#include "platform/emulated/emulated.h"
#include "platform/emulated/pointer_hold.h"

namespace {

constexpr int RingSize = 256;

struct Pending {
  emu::InputMessage input;
  std::uint32_t time;
};

struct InputRing {
  Pending slots[RingSize];
  int head;
  int count;
};

InputRing Input;

Pending& Slot(int i) { return Input.slots[(Input.head + i) % RingSize]; }

}  // namespace

namespace emu {

bool InputWaiting() { return Input.count > 0; }

bool InputFull() { return Input.count == RingSize; }

void PushInput(const InputMessage& input, std::uint32_t time) {
  if (input.message == WM_MOUSEMOVE && Input.count > 0 &&
      Slot(Input.count - 1).input.message == WM_MOUSEMOVE) {
    Slot(Input.count - 1) = {input, time};
    return;
  }
  if (InputFull()) return;
  Slot(Input.count) = {input, time};
  ++Input.count;
}

bool InputWaits(bool (*match)(const InputMessage&)) {
  for (int i = 0; i < Input.count; ++i)
    if (match(Slot(i).input)) return true;
  return false;
}

bool TakeInput(OsMessage& message, void (*seen)(const OsMessage&, bool shift, bool control)) {
  if (Input.count == 0) return false;
  const auto& [input, time] = Slot(0);
  message = {};
  message.window = MainWindow();
  message.message = input.message;
  message.wParam = input.wParam;
  message.lParam = input.lParam;
  message.time = time;
  bool shift = input.shift, control = input.control;
  if (seen != nullptr) seen(message, shift, control);
  HoldForMessage(message, shift, control);
  SetHeldModifiers(shift, control);
  Input.head = (Input.head + 1) % RingSize;
  --Input.count;
  return true;
}

}  // namespace emu
