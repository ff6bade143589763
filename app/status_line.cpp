// The status view of the program's state: the set's name, the cursor of the
// editor in front (area editor or Word Map) and the last event reported.
#include "app/status_line.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "area/area_slots.h"
#include "area/editor_state.h"
#include "area/unsaved.h"
#include "files/area_set.h"
#include "platform/file_names.h"
#include "platform/status.h"
#include "runtime/shown_screen.h"
#include "worldmap/word_map_state.h"

namespace {

OsStatus Status;
// The set changes only in answer to a message, and a save reports an event,
// so comparing it with the saved image once per message taken or event
// reported is enough; an idle frame costs no comparison.
constexpr std::uint32_t NeverCompared = 0xFFFFFFFF;
std::uint32_t ComparedAtMessage = NeverCompared, ComparedAtEvent = NeverCompared;

std::int32_t CellUnderCursor() {
  const AreaEditorStateRecord& state = AreaEditorState;
  if (state.activeWindow == EditorWindow)
    return EditGrid.displayLayer[(16 * state.cursorY + state.cursorX) % AreaCells];
  return (20 * (state.selectorScrollRow + state.cursorY) + state.cursorX) % 256;
}

}  // namespace

void ReportEvent(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(Status.event, sizeof Status.event, format, arguments);
  va_end(arguments);
  ++Status.eventNumber;
}

void ResetStatusLine() {
  Status = {};
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
  Status.row = AreaEditorState.cursorY;
  Status.cell = CellUnderCursor();
  const WordMapStateRecord& map = WordMapState;
  Status.onWordMap = ScreenShown == ShownScreen::WordMap;
  // In the area picker there are no map coordinates.
  bool inMap = map.activeWindow == MapWindow;
  Status.mapColumn = inMap ? static_cast<std::int32_t>(map.mapScrollColumn + map.cursorColumn) : -1;
  Status.mapRow = inMap ? static_cast<std::int32_t>(map.mapScrollRow + map.cursorRow) : -1;
  Status.mapArea = static_cast<std::int32_t>(map.areaUnderCursor % 256);
  OsShowStatus(Status);
}
