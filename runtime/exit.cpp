// The ways the process ends: the orderly shutdown, the immediate end, and the
// failures that end it with a one-line report and status 1.
#include "runtime/exit.h"

#include <cstdarg>
#include <cstdio>

#include "runtime/display.h"
#include "runtime/program_state.h"

void ExitProgram() {
  OsShowCursor(true);
  OsPostQuitMessage(0);
  ShutdownDisplay();
  OsExitProcess(static_cast<std::uint32_t>(ProgramState.message.wParam));
}

void FatalExit() { OsExitProcess(static_cast<std::uint32_t>(ProgramState.message.wParam)); }

void FailStartup(const char* format, ...) {
  static char line[768];
  int used = std::snprintf(line, sizeof line, "tesselle: ");
  va_list args;
  va_start(args, format);
  std::vsnprintf(line + used, sizeof line - static_cast<std::size_t>(used), format, args);
  va_end(args);
  OsReportError(line);
  // Someone who started the program from a desktop sees no error stream.
  if (DisplayDevice.draw != nullptr) LeaveScreenMode();
  OsShowCursor(true);
  OsMessageBox(line + used);
  OsExitProcess(1);
}

void FailDisplay(const char* what) { FailStartup("display: %s", what); }
