// The turn the program gives the desktop for a dialog, a message box or a
// question: the screen is kept and the screen mode left, then both come back.
#pragma once

#include <cstdint>

// While the exclusive mode is away there is no screen to keep: it is drawn
// again whole when the mode comes back. Turns may nest; the outer one counts.
void LeaveForDesktop();
void ReturnFromDesktop();

// Asks a question in a turn of its own (OsAskQuestion's type and answers).
int AskUser(const char* text, std::uint32_t type, int unasked);
// Reports "tesselle: ..." on the error stream and shows it without the prefix.
void TellUser(const char* line);
// The same for what the status line also tells (the caller has reported the
// event there): where the status line is on the screen, no box is shown.
void NoteToUser(const char* line);
