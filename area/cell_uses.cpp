// Counting the uses of a cell over all 256 areas.
#include "area/cell_uses.h"

#include "area/area_slots.h"
#include "area/editor_state.h"
#include "files/area_set.h"

namespace {

constexpr int Positions = static_cast<int>(AreaCells);

int CountIn(const std::uint8_t* cells, int count, std::uint8_t cell) {
  int uses = 0;
  for (int i = 0; i < count; ++i) uses += cells[i] == cell ? 1 : 0;
  return uses;
}

}  // namespace

const std::uint8_t* AreaCellsAsSeen(int area) {
  if (area == AreaEditorState.currentArea) return EditGrid.cellLayer;
  return AreaRecord(static_cast<std::size_t>(area));
}

CellUses CountCellUses(std::uint8_t cell) {
  CellUses found{};
  for (int area = 0; area < 256; ++area) {
    int uses = CountIn(AreaCellsAsSeen(area), Positions, cell);
    found.uses += uses;
    found.areas += uses > 0 ? 1 : 0;
  }
  return found;
}

int UsesBefore(std::uint8_t cell, int area, int index) {
  int uses = 0;
  for (int before = 0; before < area; ++before)
    uses += CountIn(AreaCellsAsSeen(before), Positions, cell);
  return uses + CountIn(AreaCellsAsSeen(area), index, cell);
}
