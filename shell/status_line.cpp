// The status view of the program's state: the set's name, the cursor of the
// editor in front (area editor or Word Map) and the last event reported.
#include "shell/status_line.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "area/area_slots.h"
#include "area/cell_uses.h"
#include "area/editor_state.h"
#include "area/editor_windows.h"
#include "area/unsaved.h"
#include "files/area_set.h"
#include "platform/file_names.h"
#include "platform/status.h"
#include "shell/shown_screen.h"
#include "worldmap/word_map_state.h"

namespace {

OsStatus Status;
// The set changes only in answer to a message, and a save reports an event,
// so comparing it with the saved image once per message taken or event
// reported is enough; an idle frame costs no comparison.
constexpr std::uint32_t NeverCompared = 0xFFFFFFFF;
std::uint32_t ComparedAtMessage = NeverCompared, ComparedAtEvent = NeverCompared;

// The selector tells how often the cell under its cursor is used; counted
// again only when a message was taken or the cell changed.
std::uint32_t CountedAtMessage = NeverCompared;
std::int32_t CountedCell = -1;

void CountUsesUnderSelector() {
  if (CountedAtMessage == ProgramState.messagesTaken && CountedCell == Status.cell) return;
  CountedAtMessage = ProgramState.messagesTaken;
  CountedCell = Status.cell;
  CellUses found = {};
  if (Status.cell >= 0) found = CountCellUses(static_cast<std::uint8_t>(Status.cell));
  Status.uses = found.uses;
  Status.usedAreas = found.areas;
}

char Prompt[sizeof Status.prompt];

}  // namespace

void ShowStatusPrompt(const char* text) { std::snprintf(Prompt, sizeof Prompt, "%s", text); }

void ReportEvent(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(Status.event, sizeof Status.event, format, arguments);
  va_end(arguments);
  ++Status.eventNumber;
}

void ResetStatusLine() {
  Status = {};
  Prompt[0] = '\0';
  CountedAtMessage = NeverCompared;
  CountedCell = -1;
  ComparedAtMessage = ComparedAtEvent = NeverCompared;
}

void HandStatusDown() {
  const char* name = FileNamePart(AreaFileName);
  std::size_t length = std::min(std::strlen(name), sizeof Status.fileName - 1);
  std::memcpy(Status.fileName, name, length);
  Status.fileName[length] = '\0';
  if (ComparedAtMessage != ProgramState.messagesTaken || ComparedAtEvent != Status.eventNumber) {
    ComparedAtMessage = ProgramState.messagesTaken;
    ComparedAtEvent = Status.eventNumber;
    Status.unsaved = UnsavedChanges();
  }
  Status.area = AreaEditorState.currentArea;
  Status.column = AreaEditorState.cursorX;
  Status.cell = CellUnderCursor();
  // In the selector the row is the bank's, as the cell numbers run.
  Status.inSelector = AreaEditorState.activeWindow == SelectorWindow;
  Status.row =
      AreaEditorState.cursorY + (Status.inSelector ? AreaEditorState.selectorScrollRow : 0);
  if (Status.inSelector && ScreenShown == ShownScreen::AreaEditor) CountUsesUnderSelector();
  if (ScreenShown == ShownScreen::Preview)
    std::snprintf(Status.prompt, sizeof Status.prompt, "Preview of area %d as stored",
                  AreaEditorState.currentArea);
  else
    std::memcpy(Status.prompt, Prompt, sizeof Prompt);
  const WordMapStateRecord& map = WordMapState;
  Status.onWordMap = ScreenShown == ShownScreen::WordMap;
  // In the area picker there are no map coordinates.
  bool inMap = map.activeWindow == MapWindow;
  Status.mapColumn = inMap ? static_cast<std::int32_t>(map.mapScrollColumn + map.cursorColumn) : -1;
  Status.mapRow = inMap ? static_cast<std::int32_t>(map.mapScrollRow + map.cursorRow) : -1;
  std::uint32_t area = AreaUnderWordMapCursor();
  Status.mapArea = area <= LastArea ? static_cast<std::int32_t>(area) : -1;
  OsShowStatus(Status);
}
