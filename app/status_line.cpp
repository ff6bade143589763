// The status view of the program's state: the set's name, and the cursor of
// the editor in front (area editor or Word Map).
#include "app/status_line.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/program.h"
#include "area/area_slots.h"
#include "area/cell_uses.h"
#include "area/editor_state.h"
#include "area/editor_windows.h"
#include "area/unsaved.h"
#include "files/area_set.h"
#include "platform/file_names.h"
#include "platform/status.h"
#include "runtime/messages.h"
#include "runtime/shown_screen.h"
#include "runtime/state_records.h"
#include "runtime/status_events.h"
#include "screens/animation_preview.h"
#include "worldmap/word_map.h"
#include "worldmap/word_map_state.h"

namespace {

// The set changes only in answer to a message, and a save reports an event,
// so comparing it with the saved image once per message taken or event
// reported is enough; an idle frame costs no comparison.
constexpr std::uint32_t NeverCompared = 0xFFFFFFFF;
struct ComparedRecord {
  std::uint32_t atMessage = NeverCompared, atEvent = NeverCompared;
};
ComparedRecord Compared;
StateRecord Listed{"Compared", Compared, [] { Compared = {}; }};

// The selector tells how often the cell under its cursor is used; counted
// again only when a message was taken or the cell changed.
struct CountedRecord {
  std::uint32_t atMessage = NeverCompared;
  std::int32_t cell = -1;
};
CountedRecord Counted;
StateRecord ListedCounted{"Counted", Counted, [] { Counted = {}; }};

void CountUsesUnderSelector(OsStatus& status) {
  if (Counted.atMessage == ProgramState.messagesTaken && Counted.cell == status.cell) return;
  Counted.atMessage = ProgramState.messagesTaken;
  Counted.cell = status.cell;
  CellUses found = {};
  if (status.cell >= 0) found = CountCellUses(static_cast<std::uint8_t>(status.cell));
  status.uses = found.uses;
  status.usedAreas = found.areas;
}

}  // namespace

void FillStatus(OsStatus& status) {
  const char* name = FileNamePart(AreaFileName);
  std::size_t length = std::min(std::strlen(name), sizeof status.fileName - 1);
  std::memcpy(status.fileName, name, length);
  status.fileName[length] = '\0';
  if (Compared.atMessage != ProgramState.messagesTaken || Compared.atEvent != EventsReported()) {
    Compared.atMessage = ProgramState.messagesTaken;
    Compared.atEvent = EventsReported();
    status.unsaved = UnsavedChanges();
  }
  status.area = AreaEditorState.currentArea;
  status.column = AreaEditorState.cursorX;
  status.cell = CellUnderCursor();
  // In the selector the row is the bank's, as the cell numbers run.
  status.inSelector = AreaEditorState.activeWindow == SelectorWindow;
  status.row =
      AreaEditorState.cursorY + (status.inSelector ? AreaEditorState.selectorScrollRow : 0);
  if (status.inSelector && Showing(AreaEditorScreen)) CountUsesUnderSelector(status);
  if (Showing(PreviewScreen))
    std::snprintf(status.prompt, sizeof status.prompt, "Preview of area %d as stored",
                  AreaEditorState.currentArea);
  const WordMapStateRecord& map = WordMapState;
  status.onWordMap = Showing(WordMapScreen);
  // In the area picker there are no map coordinates.
  bool inMap = map.activeWindow == MapWindow;
  status.mapColumn = inMap ? static_cast<std::int32_t>(map.mapScrollColumn + map.cursorColumn) : -1;
  status.mapRow = inMap ? static_cast<std::int32_t>(map.mapScrollRow + map.cursorRow) : -1;
  std::uint32_t area = AreaUnderWordMapCursor();
  status.mapArea = area <= LastArea ? static_cast<std::int32_t>(area) : -1;
}
