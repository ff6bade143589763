// Finding uses of the selected cell over the whole set, seen as one row of
// 256 x 160 positions that wraps round.
#include "area/find.h"

#include <cstdint>

#include "area/area_slots.h"
#include "area/block.h"
#include "area/cell_uses.h"
#include "area/editor_state.h"
#include "area/window_switch.h"
#include "files/area_set.h"
#include "runtime/status_events.h"

namespace {

constexpr int Positions = static_cast<int>(AreaCells);
constexpr int AllPositions = 256 * Positions;

}  // namespace

void FindCellUse(bool backwards) {
  const AreaEditorStateRecord& state = AreaEditorState;
  const auto cell = static_cast<std::uint8_t>(state.selectedCell);
  const CursorPosition at = EditorCursor();
  const int from = state.currentArea * Positions + GridIndex(at.x, at.y);
  const int step = backwards ? AllPositions - 1 : 1;
  int found = -1;
  // The last position looked at is the cursor's own.
  for (int k = 1, g = from; k <= AllPositions && found < 0; ++k) {
    g = (g + step) % AllPositions;
    if (AreaCellsAsSeen(g / Positions)[g % Positions] == cell) found = g;
  }
  if (found < 0) {
    ReportEvent("Cell %d is not used", cell);
    return;
  }
  // The cursor jumps: a marked block ends as TAB ends it.
  if (state.activeWindow != EditorWindow) SwitchAreaEditorWindow();
  ClearBlockSelection();
  if (found / Positions != state.currentArea) ReachArea(found / Positions);
  AreaEditorState.cursorX = found % Positions % AreaColumns;
  AreaEditorState.cursorY = found % Positions / AreaColumns;
  CellUses uses = CountCellUses(cell);
  ReportEvent("Cell %d: use %d of %d, in %d area%s", cell,
              UsesBefore(cell, found / Positions, found % Positions) + 1, uses.uses, uses.areas,
              PluralEnding(uses.areas));
}
