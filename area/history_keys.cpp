// The history keys in the area editor. A move ends the marked block first, so
// that no blink phase is ever in the set, and leaves the display layer equal
// to the cells it restored.
#include "area/history_keys.h"

#include <cstring>

#include "area/area_slots.h"
#include "area/block.h"
#include "area/editor_cursor.h"
#include "area/editor_windows.h"
#include "area/history.h"
#include "files/area_set.h"
#include "runtime/messages.h"
#include "runtime/status_events.h"

HistoryMove HistoryMoveOf(OsWParam key) {
  if (key != KeyZ && key != KeyY) return HistoryMove::None;
  if ((OsGetKeyState(static_cast<int>(VK_CONTROL)) & 0x8000) == 0) return HistoryMove::None;
  return key == KeyY || ShiftHeld() ? HistoryMove::Redo : HistoryMove::Undo;
}

std::uint32_t MoveThroughHistory(HistoryMove move) {
  bool undo = move == HistoryMove::Undo;
  if (move == HistoryMove::None) return 0;
  if (!(undo ? CanUndo() : CanRedo())) {
    ReportEvent(undo ? "Nothing to undo" : "Nothing to redo");
    return 0;
  }
  ClearBlockSelection();
  std::uint32_t regions = undo ? UndoStep() : RedoStep();
  ReportEvent(undo ? "Undone" : "Redone");
  if ((regions & HistoryEditGrid) != 0)
    std::memcpy(EditGrid.displayLayer, EditGrid.cellLayer, AreaCells);
  return regions;
}

void MoveThroughHistoryInAreaEditor(OsWParam key) {
  ShowHistoryInAreaEditor(MoveThroughHistory(HistoryMoveOf(key)));
}

void ShowHistoryInAreaEditor(std::uint32_t regions) {
  if ((regions & (HistoryEditGrid | HistoryAreaNumber)) == 0) return;
  // The cursor goes first, so that the window's redraw takes the pixels under
  // it without the cursor in them.
  EraseCursor();
  DrawEditorWindow();
  if ((regions & HistoryAreaNumber) != 0) DrawAreaNumber();
}
