// The message step that every loop shares, over the platform's queue.
#include "runtime/messages.h"

#include "runtime/exit.h"

TurnMessage TakeTurnMessage() {
  if (!PeekProgramMessage()) return TurnMessage::None;
  std::uint32_t id = ProgramState.message.message;
  if (id == WM_QUIT) ExitProgram();
  if (id == WM_KEYDOWN) return TurnMessage::KeyDown;
  if (IsPointerMessage(id)) return TurnMessage::Pointer;
  DispatchProgramMessage();
  return TurnMessage::Other;
}

bool ClickLeaves() { return ProgramState.message.message == WM_LBUTTONDOWN; }

bool ShiftHeld() { return (OsGetKeyState(static_cast<int>(VK_SHIFT)) & 0x8000) != 0; }
bool ControlHeld() { return (OsGetKeyState(static_cast<int>(VK_CONTROL)) & 0x8000) != 0; }
