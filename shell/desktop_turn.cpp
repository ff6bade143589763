// Leaving the exclusive screen for the desktop and coming back to it, and the
// questions and messages that take such a turn.
#include "shell/desktop_turn.h"

#include <cstring>

#include "draw/screen.h"
#include "files/area_set.h"
#include "platform/status.h"
#include "shell/display.h"

namespace {

constexpr char ReportPrefix[] = "tesselle: ";

}  // namespace

void LeaveForDesktop() {
  if (DisplayDevice.desktopTurns++ > 0) return;
  DisplayDevice.screenKept = DisplayReady();
  if (DisplayDevice.screenKept) {
    SaveScreen(SaveAsScreenStore);
    LeaveScreenMode();
  }
  OsShowCursor(true);
}

void ReturnFromDesktop() {
  if (--DisplayDevice.desktopTurns > 0) return;
  OsShowCursor(false);
  if (!DisplayDevice.screenKept) return;
  EnterScreenMode();
  ApplyPalette(CellBank + CellBankPaletteOffset);
  RestoreScreen(SaveAsScreenStore);
}

int AskUser(const char* text, std::uint32_t type, int unasked) {
  LeaveForDesktop();
  int answer = OsAskQuestion(text, type, unasked);
  ReturnFromDesktop();
  return answer;
}

void TellUser(const char* line) {
  OsReportError(line);
  LeaveForDesktop();
  bool prefixed = std::strncmp(line, ReportPrefix, sizeof ReportPrefix - 1) == 0;
  OsMessageBox(prefixed ? line + sizeof ReportPrefix - 1 : line);
  ReturnFromDesktop();
}

void NoteToUser(const char* line) {
  if (OsStatusLineShown())
    OsReportError(line);
  else
    TellUser(line);
}
