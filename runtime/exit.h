// The ways the process ends: the orderly shutdown, the immediate end, and the
// failures that end it with a one-line report and status 1.
#pragma once

#include "runtime/printf_like.h"

// The orderly end; the exit code is the wParam of the message record.
[[noreturn]] void ExitProgram();
// Ends the process at once with the wParam of the message record.
[[noreturn]] void FatalExit();
// Ends the process with status 1 after one "tesselle: ..." line.
[[noreturn]] void FailStartup(const char* format, ...) TESSELLE_PRINTF_LIKE(1, 2);
[[noreturn]] void FailDisplay(const char* what);
