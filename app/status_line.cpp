// The status view of the program's state: the set's name, and the cursor of
// the editor in front (area editor or Word Map).
#include "app/status_line.h"

#include <algorithm>
#include <cstring>

#include "area/area_slots.h"
#include "area/editor_state.h"
#include "area/unsaved.h"
#include "files/area_set.h"
#include "platform/file_names.h"
#include "platform/status.h"
#include "runtime/messages.h"
#include "runtime/shown_screen.h"
#include "runtime/state_records.h"
#include "runtime/status_events.h"
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

std::int32_t CellUnderCursor() {
  const AreaEditorStateRecord& state = AreaEditorState;
  if (state.activeWindow == EditorWindow)
    return EditGrid.displayLayer[GridIndex(state.cursorX, state.cursorY) % AreaCells];
  return (SelectorLineLength * (state.selectorScrollRow + state.cursorY) + state.cursorX) % 256;
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
  status.row = AreaEditorState.cursorY;
  status.cell = CellUnderCursor();
  const WordMapStateRecord& map = WordMapState;
  status.onWordMap = Showing(WordMapScreen);
  // In the area picker there are no map coordinates.
  bool inMap = map.activeWindow == MapWindow;
  status.mapColumn = inMap ? static_cast<std::int32_t>(map.mapScrollColumn + map.cursorColumn) : -1;
  status.mapRow = inMap ? static_cast<std::int32_t>(map.mapScrollRow + map.cursorRow) : -1;
  status.mapArea = static_cast<std::int32_t>(map.areaUnderCursor % 256);
}
