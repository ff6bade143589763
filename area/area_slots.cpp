// Moving areas between their slots in the area set and the EditGrid.
#include "area/area_slots.h"

#include <algorithm>
#include <cstring>

#include "area/block.h"
#include "area/editor_state.h"
#include "area/editor_windows.h"
#include "area/history.h"
#include "files/area_set.h"
#include "runtime/messages.h"
#include "runtime/status_events.h"

namespace {

std::uint8_t* CurrentSlot() {
  return AreaRecord(static_cast<std::size_t>(AreaEditorState.currentArea));
}

}  // namespace

void LoadArea() {
  const std::uint8_t* slot = CurrentSlot();
  std::memcpy(EditGrid.displayLayer, slot, AreaCells);
  std::memcpy(EditGrid.idLayer, slot + AreaCells, AreaCells);
  std::memcpy(EditGrid.cellLayer, slot, AreaCells);
  DrawEditorWindow();
  BlockState.code = BlockAreaLoaded;
  ResetBlockAfterLoad();
}

void StoreArea() {
  std::uint8_t* slot = CurrentSlot();
  NoteSetChange(slot, AreaRecordSize);
  std::memcpy(slot, EditGrid.cellLayer, AreaCells);
  std::memcpy(slot + AreaCells, EditGrid.idLayer, AreaCells);
}

bool EditedAreaStored() {
  const std::uint8_t* slot = CurrentSlot();
  return std::memcmp(slot, EditGrid.cellLayer, AreaCells) == 0 &&
         std::memcmp(slot + AreaCells, EditGrid.idLayer, AreaCells) == 0;
}

void MoveToArea(std::int32_t area) {
  std::int32_t left = AreaEditorState.currentArea;
  bool dropped = !EditedAreaStored();
  AreaEditorState.currentArea = area;
  DrawAreaNumber();
  LoadArea();
  DrawSelectorWindow();
  if (dropped)
    ReportEvent("Changes to area %d not stored were dropped (Ctrl+Z brings them back)", left);
}

void ReachArea(std::int32_t area) {
  if (!EditedAreaStored()) StoreArea();
  MoveToArea(area);
}

// Numpad + and - stop at 254; only going to a number reaches area 255.
void NextArea() { MoveToArea(std::min(AreaEditorState.currentArea + 1, 254)); }

void PreviousArea() { MoveToArea(std::max(AreaEditorState.currentArea - 1, 0)); }

void DeleteArea() {
  std::memcpy(EditGrid.backupGrid, EditGrid.cellLayer, AreaCells);
  std::memcpy(EditGrid.backupGrid + AreaCells, EditGrid.idLayer, AreaCells);
  std::memset(EditGrid.cellLayer, 0, sizeof EditGrid.cellLayer);
  std::memset(EditGrid.displayLayer, 0, sizeof EditGrid.displayLayer);
  std::memset(EditGrid.idLayer, 0, sizeof EditGrid.idLayer);
  StoreArea();
  LoadArea();
  ReportEvent("Area %d deleted", AreaEditorState.currentArea);
}

void InsertArea() {
  std::memcpy(EditGrid.displayLayer, EditGrid.backupGrid, AreaCells);
  std::memcpy(EditGrid.idLayer, EditGrid.backupGrid + AreaCells, AreaCells);
  std::memcpy(EditGrid.cellLayer, EditGrid.backupGrid, AreaCells);
  StoreArea();
  LoadArea();
  ReportEvent("Last deleted area put in area %d", AreaEditorState.currentArea);
}

bool SaveAreaSet(SaveMode mode) {
  StoreArea();
  return WriteAreaSet(mode);
}

bool SaveAreaSet() {
  return SaveAreaSet(ShiftHeld() ? SaveMode::ChooseName : SaveMode::UnderItsName);
}
