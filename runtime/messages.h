// The one-message step that every loop takes per turn, and the Shift state.
#pragma once

#include "runtime/program_state.h"

// What a loop's turn found in the queue.
enum class TurnMessage { None, KeyDown, Pointer, Other };
// The one-message step of every loop: WM_QUIT ends the program, a key press
// or a pointer message is left to the caller in the message record, anything
// else has been handed to the window procedure.
TurnMessage TakeTurnMessage();
// A pointer message that leaves the help page and the preview, as Esc does:
// a left press anywhere.
bool ClickLeaves();

// The virtual-key code of a key message: the low byte of its wParam. The
// editors' key tables match this code.
constexpr OsWParam KeyCodeOf(OsWParam wParam) { return wParam & 0xFF; }

// True while Shift is held, as of the message last taken.
bool ShiftHeld();
// The same for Ctrl.
bool ControlHeld();
