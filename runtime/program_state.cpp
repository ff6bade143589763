// The process record, and taking messages into it from the platform's queue.
#include "runtime/program_state.h"

#include "runtime/state_records.h"

ProgramStateRecord ProgramState = ProgramStart;
namespace {
StateRecord Listed{"ProgramState", ProgramState, [] { ProgramState = ProgramStart; }};
}  // namespace

bool PeekProgramMessage() {
  if (!OsPeekMessage(ProgramState.message)) return false;
  ++ProgramState.messagesTaken;
  return true;
}

void DispatchProgramMessage() {
  OsTranslateMessage(ProgramState.message);
  OsDispatchMessage(ProgramState.message);
}
