// Drawing the editor and selector windows cell by cell, doubled, and the
// SPACE and 'G' commands that pick and place cells.
#include "area/editor_windows.h"

#include <cstring>

#include "area/edit_grid.h"
#include "area/editor_cursor.h"
#include "area/editor_state.h"
#include "draw/background.h"
#include "draw/doubling.h"
#include "draw/number.h"
#include "files/area_set.h"
#include "runtime/display.h"

namespace {

int CursorIndex() { return GridIndex(AreaEditorState.cursorX, AreaEditorState.cursorY); }

}  // namespace

void DrawCell(std::uint32_t cell, int x, int y) {
  DrawDoubled(FramePixel(x, y), DisplayDevice.FramePitch, CellBank + CellBytes * cell, 16, 16, 16);
}

void RedrawAreaEditor() {
  KeepCursor();
  DrawBackground();
  DrawSelectorWindow();
  DrawEditorWindow();
  DrawAreaNumber();
  DrawSelectedCellPreview();
  ShowKeptCursor();
}

void DrawEditorWindow() {
  const ViewWindow& window = AreaEditorState.windows[EditorWindow];
  LockFrame();
  for (std::uint32_t y = 0; y < window.height; ++y)
    for (std::uint32_t x = 0; x < window.width; ++x)
      DrawCell(EditGrid.displayLayer[GridIndex(static_cast<int>(x), static_cast<int>(y))],
               static_cast<int>(window.originX + PositionSide * x),
               static_cast<int>(window.originY + PositionSide * y));
  UnlockFrame();
  RetakeCursorBackground();
}

void DrawSelectorWindow() {
  const ViewWindow& window = AreaEditorState.windows[SelectorWindow];
  auto scroll = static_cast<std::uint32_t>(AreaEditorState.selectorScrollRow);
  LockFrame();
  for (std::uint32_t r = 0; r < window.height; ++r) {
    for (std::uint32_t x = 0; x < window.width; ++x) {
      std::uint32_t cell = SelectorLineLength * (scroll + r) + x;
      int left = static_cast<int>(window.originX + PositionSide * x);
      int top = static_cast<int>(window.originY + PositionSide * r);
      if (cell <= 255) {
        DrawCell(cell, left, top);
      } else {
        // No cell lies past 255: show ground rather than a stale picture.
        for (int row = 0; row < PositionSide; ++row)
          std::memset(FramePixel(left, top + row), 0, PositionSide);
      }
    }
  }
  UnlockFrame();
  RetakeCursorBackground();
}

void DrawSelectedCellPreview() {
  LockFrame();
  DrawCell(static_cast<std::uint32_t>(AreaEditorState.selectedCell), SelectedCellX, SelectedCellY);
  UnlockFrame();
}

void DrawAreaNumber() {
  LockFrame();
  DrawNumber(static_cast<std::uint32_t>(AreaEditorState.currentArea),
             FramePixel(AreaNumberX, AreaNumberY));
  UnlockFrame();
}

void PlaceSelectedCell() {
  int i = CursorIndex();
  auto cell = static_cast<std::uint8_t>(AreaEditorState.selectedCell);
  EditGrid.displayLayer[i] = cell;
  EditGrid.cellLayer[i] = cell;
  EditGrid.idLayer[i] = CellIdTable[cell];
}

void SelectBankCell() {
  std::int32_t index =
      SelectorLineLength * (AreaEditorState.selectorScrollRow + AreaEditorState.cursorY) +
      AreaEditorState.cursorX;
  if (index > 255) index = 0;
  AreaEditorState.selectedCell = index;
  DrawSelectedCellPreview();
}

void GetCellUnderCursor() {
  AreaEditorState.selectedCell = EditGrid.displayLayer[CursorIndex()];
  DrawSelectedCellPreview();
}
