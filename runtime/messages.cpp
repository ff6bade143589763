// The message step that every loop shares, over the platform's queue.
#include "runtime/messages.h"

#include "runtime/exit.h"

TurnMessage TakeTurnMessage() {
  if (!PeekProgramMessage()) return TurnMessage::None;
  std::uint32_t id = ProgramState.message.message;
  if (id == WM_QUIT) ExitProgram();
  if (id == WM_KEYDOWN) return TurnMessage::KeyDown;
  DispatchProgramMessage();
  return TurnMessage::Other;
}

bool ShiftHeld() { return (OsGetKeyState(static_cast<int>(VK_SHIFT)) & 0x8000) != 0; }
