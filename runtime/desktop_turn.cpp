// Leaving the exclusive screen for the desktop and coming back to it, and the
// questions and messages that take such a turn.
#include "runtime/desktop_turn.h"

#include <cstring>

#include "platform/status.h"
#include "runtime/display.h"
#include "runtime/screen.h"

namespace {

constexpr char ReportPrefix[] = "tesselle: ";
std::uint8_t SaveAsScreenStore[ScreenStoreSize];  // the screen while the desktop has its turn

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
  ReapplyPalette();
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
