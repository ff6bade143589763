// Process-wide state and the program's spine: entry, main loop, window
// procedure, and the ways the process ends.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct ProgramStateRecord {
  OsHandle instance;
  OsHandle mainWindow;
  std::uint32_t running;  // 1 at start; cleared only on WM_DESTROY
  OsMessage message;      // every loop peeks into this record
  OsWindowClass windowClass;
};

extern ProgramStateRecord ProgramState;

constexpr const char* WindowClassName = "TesselleWindow";
constexpr const char* WindowTitle = "Tesselle v1.0";

// Start-up as the entry point runs it, then the main loop; never returns.
[[noreturn]] void ProgramEntry();
// Puts every record of the program back to its start-up state.
void ResetProgram();

void MainLoop();
OsResult WndProc(OsHandle window, std::uint32_t message, OsWParam wParam, OsLParam lParam);

// Takes one message into the message record; true when one was taken.
bool PeekProgramMessage();
// Hands a message that is not a key press to the window procedure.
void DispatchProgramMessage();

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
