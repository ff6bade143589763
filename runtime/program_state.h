// The process record that every loop shares (the instance and window, the
// running flag and the message record each loop peeks into) and taking one
// message into it.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct ProgramStateRecord {
  OsHandle instance{};
  OsHandle mainWindow{};
  std::uint32_t running{};  // 1 at start; cleared only on WM_DESTROY
  OsMessage message{};      // every loop peeks into this record
  OsWindowClass windowClass{};
  std::uint32_t messagesTaken{};  // counts every message taken, by any loop
};

extern ProgramStateRecord ProgramState;

// The record as the process starts.
constexpr ProgramStateRecord ProgramStart = {.running = 1};

// Takes one message into the message record; true when one was taken.
bool PeekProgramMessage();
// Hands a message that is not a key press to the window procedure.
void DispatchProgramMessage();
