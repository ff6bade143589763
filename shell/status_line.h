// The status the program hands its platform each frame, and the events it
// reports there ("Area 3 stored", "Saved Areas.out", ...).
#pragma once

#include "shell/services.h"  // TESSELLE_PRINTF_LIKE

// Notes what just happened, for the status line to show for a while.
void ReportEvent(const char* format, ...) TESSELLE_PRINTF_LIKE(1, 2);
// A text that stands on the status line until it is changed or cleared
// with "": the number being typed after a go-to digit.
void ShowStatusPrompt(const char* text);
// Fills the status from the program's state and hands it to the platform.
void HandStatusDown();
// Back to the start-up state: no event, and the set compared afresh.
void ResetStatusLine();
