// Filling with the selected cell. Each cell written gets its id from the
// cell-id table, as SPACE writes it.
#include "area/fill.h"

#include <algorithm>
#include <cstdint>

#include "area/area_slots.h"
#include "area/block.h"
#include "area/editor_cursor.h"
#include "area/editor_state.h"
#include "area/editor_windows.h"
#include "files/area_set.h"
#include "files/data_files.h"

namespace {

void PutSelectedCell(int i) {
  auto cell = static_cast<std::uint8_t>(AreaEditorState.selectedCell);
  EditGrid.cellLayer[i] = cell;
  EditGrid.displayLayer[i] = cell;
  EditGrid.idLayer[i] = CellIdTable[cell];
}

void FillMarkedBlock() {
  const BlockCorners& live = BlockState.live;
  for (int y = std::min(live.y1, live.y2); y <= std::max(live.y1, live.y2); ++y)
    for (int x = std::min(live.x1, live.x2); x <= std::max(live.x1, live.x2); ++x)
      PutSelectedCell(GridIndex(x, y));
}

}  // namespace

void FloodFill(int start) {
  const std::uint8_t old = EditGrid.cellLayer[start];
  if (old == static_cast<std::uint8_t>(AreaEditorState.selectedCell)) return;
  // Every cell is pushed at most once: it changes when pushed, so it no
  // longer matches.
  static int pending[AreaCells];
  int count = 0;
  pending[count++] = start;
  PutSelectedCell(start);
  while (count > 0) {
    int i = pending[--count];
    int x = i % AreaColumns, y = i / AreaColumns;
    const int neighbours[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
    for (const auto& [nx, ny] : neighbours) {
      if (nx < 0 || nx >= AreaColumns || ny < 0 || ny >= AreaRows) continue;
      int n = GridIndex(nx, ny);
      if (EditGrid.cellLayer[n] != old) continue;
      PutSelectedCell(n);
      pending[count++] = n;
    }
  }
}

void FillWithSelectedCell() {
  if (BlockState.code == BlockSelecting)
    FillMarkedBlock();
  else
    FloodFill(GridIndex(AreaEditorState.cursorX, AreaEditorState.cursorY));
  DrawEditorWindow();
}
