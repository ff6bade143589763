// The input that waits for the program in the front ends that translate
// events of their own (the desktop window, the page): a fixed ring of
// messages, taken one at a time after the program's own posted messages.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace emu {

// A message as a front end makes it from its own event, with the
// modifiers held at the event.
struct InputMessage {
  std::uint32_t message;
  OsWParam wParam;
  OsLParam lParam;
  bool shift;
  bool control;
};

bool InputWaiting();
bool InputFull();
// Adds at the end; a movement that follows a movement takes its place, so
// that movements never pile up ahead of keys. A full ring drops the input.
void PushInput(const InputMessage& input, std::uint32_t time);
// Whether an input that `match` accepts waits in the ring.
bool InputWaits(bool (*match)(const InputMessage&));
// Takes the oldest input into `message` as the system delivers it (a
// pointer message with the buttons and modifiers held); `seen` sees it
// first, as it came. False when none waits.
bool TakeInput(OsMessage& message, void (*seen)(const OsMessage&, bool shift, bool control));

}  // namespace emu
