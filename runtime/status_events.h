// The status the program hands its platform each frame, and the events it
// reports there ("Area 3 stored", "Saved Areas.out", ...).
#pragma once

#include "platform/status.h"
#include "runtime/printf_like.h"

// Notes what just happened, for the status line to show for a while.
void ReportEvent(const char* format, ...) TESSELLE_PRINTF_LIKE(1, 2);
// The events reported so far; a new one counts up.
std::uint32_t EventsReported();
// A text that stands on the status line until it is changed or cleared
// with "": the number being typed after a go-to digit.
void ShowStatusPrompt(const char* text);
// What fills in the rest of the status from the editors' state; the top of
// the program names it as it starts.
void SetStatusSource(void (*fill)(OsStatus& status));
// Fills the status and hands it to the platform; the frame wait calls it.
void HandStatusDown();
