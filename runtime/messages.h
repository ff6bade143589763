// What every screen of the program shares: the process record with its
// message record, taking one message per turn, the Shift state, and the ways
// the process ends.
#pragma once

#include <cstdint>
#include <cstdio>  // defines __MINGW_PRINTF_FORMAT on mingw-w64

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

constexpr const char* WindowClassName = "TesselleWindow";
constexpr const char* WindowTitle = "Tesselle v1.0";

// Takes one message into the message record; true when one was taken.
bool PeekProgramMessage();
// Hands a message that is not a key press to the window procedure.
void DispatchProgramMessage();

// What a loop's turn found in the queue.
enum class TurnMessage { None, KeyDown, Other };
// The one-message step of every loop: WM_QUIT ends the program, a key press
// is left to the caller in the message record, anything else has been
// handed to the window procedure.
TurnMessage TakeTurnMessage();

// The orderly end; the exit code is the wParam of the message record.
[[noreturn]] void ExitProgram();
// Ends the process at once with the wParam of the message record.
[[noreturn]] void FatalExit();
// Ends the process with status 1 after one "tesselle: ..." line.
#ifdef __MINGW_PRINTF_FORMAT  // mingw-w64: the C99 printf family, as libstdc++ selects it
#define TESSELLE_PRINTF_LIKE(f, a) __attribute__((format(__MINGW_PRINTF_FORMAT, f, a)))
#else
#define TESSELLE_PRINTF_LIKE(f, a) __attribute__((format(printf, f, a)))
#endif
[[noreturn]] void FailStartup(const char* format, ...) TESSELLE_PRINTF_LIKE(1, 2);
[[noreturn]] void FailDisplay(const char* what);

// True while Shift is held, as of the message last taken.
bool ShiftHeld();
