// The top of the program: the entry that starts it, the area editor's main
// loop, the window procedure, and the reset that tests run between starts.
#pragma once

#include <cstdint>

#include "runtime/messages.h"

// Start-up as the entry point runs it, then the main loop; never returns.
[[noreturn]] void ProgramEntry();
// Puts every record of the program back to its start-up state.
void ResetProgram();

void MainLoop();
OsResult WndProc(OsHandle window, std::uint32_t message, OsWParam wParam, OsLParam lParam);
