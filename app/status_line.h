// The status the program hands its platform each frame, and the events it
// reports there ("Area 3 stored", "Saved Areas.out", ...).
#pragma once

#include "runtime/messages.h"  // TESSELLE_PRINTF_LIKE

// Notes what just happened, for the status line to show for a while.
void ReportEvent(const char* format, ...) TESSELLE_PRINTF_LIKE(1, 2);
// Fills the status from the program's state and hands it to the platform.
void HandStatusDown();
// Back to the start-up state: no event, and the set compared afresh.
void ResetStatusLine();
