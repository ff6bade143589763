// The mouse buttons as the desktop and headless front ends hold them: a
// button counts as held from its press to its release, and the modifiers
// pressed with it count as held as long as it is.
#pragma once

#include "platform/platform.h"

namespace emu {

// An input message about to be taken, with the modifiers held for it: adds
// the modifiers held with the buttons, and gives a pointer message the
// wParam the system gives it (the MK_ flags of the buttons and modifiers
// held, and for the wheel its delta, kept from `message`).
void HoldForMessage(OsMessage& message, bool& shift, bool& control);
// No button held.
void ResetPointerHold();

}  // namespace emu
