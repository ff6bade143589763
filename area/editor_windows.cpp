// Drawing the editor and selector windows cell by cell, doubled, and the
// SPACE and 'G' commands that pick and place cells.
#include "area/editor_windows.h"

#include "area/edit_grid.h"
#include "area/editor_cursor.h"
#include "area/editor_state.h"
#include "draw/background.h"
#include "draw/doubling.h"
#include "draw/number.h"
#include "files/area_set.h"
#include "runtime/display.h"
#include "runtime/screen.h"

namespace {

int CursorIndex() { return GridIndex(AreaEditorState.cursorX, AreaEditorState.cursorY); }

constexpr std::int32_t LastCell = 255;

}  // namespace

std::int32_t SelectorCellAt(std::int32_t x, std::int32_t y) {
  std::int32_t cell = SelectorLineLength * (AreaEditorState.selectorScrollRow + y) + x;
  return cell <= LastCell ? cell : NoCell;
}

std::int32_t CellUnderCursor() {
  if (AreaEditorState.activeWindow == EditorWindow) return EditGrid.displayLayer[CursorIndex()];
  return SelectorCellAt(AreaEditorState.cursorX, AreaEditorState.cursorY);
}

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
  LockFrame();
  for (std::uint32_t r = 0; r < window.height; ++r) {
    for (std::uint32_t x = 0; x < window.width; ++x) {
      std::int32_t cell =
          SelectorCellAt(static_cast<std::int32_t>(x), static_cast<std::int32_t>(r));
      int left = static_cast<int>(window.originX + PositionSide * x);
      int top = static_cast<int>(window.originY + PositionSide * r);
      // No cell lies past 255: ground rather than a stale picture.
      if (cell != NoCell)
        DrawCell(static_cast<std::uint32_t>(cell), left, top);
      else
        ClearRegion(left, top, PositionSide, PositionSide);
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

// The empty positions past the last cell select nothing: the selected cell
// and its preview stay.
void SelectBankCell() {
  std::int32_t cell = CellUnderCursor();
  if (cell == NoCell) return;
  AreaEditorState.selectedCell = cell;
  DrawSelectedCellPreview();
}

void GetCellUnderCursor() {
  AreaEditorState.selectedCell = CellUnderCursor();
  DrawSelectedCellPreview();
}
