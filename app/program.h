// The top of the program: the entry that starts it (declared with the
// platform, which calls it), the area editor's screen and main loop, the window
// procedure, and the reset that tests run between starts.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "runtime/messages.h"

struct Screen;

constexpr const char* WindowClassName = "TesselleWindow";

// The area editor: the screen the program starts on, and its frame loop.
extern const Screen AreaEditorScreen;
void MainLoop();

// Puts every record of the program back to its start-up state.
void ResetProgram();
OsResult WndProc(OsHandle window, std::uint32_t message, OsWParam wParam, OsLParam lParam);
