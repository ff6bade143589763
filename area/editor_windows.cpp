// Drawing the editor and selector windows cell by cell, doubled, and the
// SPACE and 'G' commands that pick and place cells.
#include "area/editor_windows.h"

#include <cstring>

#include "area/area_slots.h"
#include "area/editor_state.h"
#include "draw/cursor.h"
#include "draw/doubling.h"
#include "files/area_set.h"
#include "shell/display.h"

namespace {

// Every window redraw may paint over the cursor: take its background afresh.
void RefreshCursorCapture() {
  AreaEditorState.previousX = AreaEditorState.cursorX;
  AreaEditorState.previousY = AreaEditorState.cursorY;
  CaptureCursorBackground();
}

int CursorIndex() { return 16 * AreaEditorState.cursorY + AreaEditorState.cursorX; }

}  // namespace

void DrawCell(std::uint32_t cell, int x, int y) {
  DrawDoubled(FramePixel(x, y), DisplayDevice.FramePitch, CellBank + CellBytes * cell, 16, 16, 16);
}

void DrawEditorWindow() {
  const ViewWindow& window = AreaEditorState.windows[EditorWindow];
  LockFrame();
  for (std::uint32_t y = 0; y < window.height; ++y)
    for (std::uint32_t x = 0; x < window.width; ++x)
      DrawCell(EditGrid.displayLayer[16 * y + x], static_cast<int>(window.originX + 32 * x),
               static_cast<int>(window.originY + 32 * y));
  UnlockFrame();
  RefreshCursorCapture();
}

void DrawSelectorWindow() {
  const ViewWindow& window = AreaEditorState.windows[SelectorWindow];
  auto scroll = static_cast<std::uint32_t>(AreaEditorState.selectorScrollRow);
  LockFrame();
  for (std::uint32_t r = 0; r < window.height; ++r) {
    for (std::uint32_t x = 0; x < window.width; ++x) {
      std::uint32_t cell = 20 * (scroll + r) + x;
      int left = static_cast<int>(window.originX + 32 * x);
      int top = static_cast<int>(window.originY + 32 * r);
      if (cell <= 255) {
        DrawCell(cell, left, top);
      } else {
        // No cell lies past 255: show ground rather than a stale picture.
        for (int row = 0; row < 32; ++row) std::memset(FramePixel(left, top + row), 0, 32);
      }
    }
  }
  UnlockFrame();
  RefreshCursorCapture();
}

void DrawSelectedCellPreview() {
  LockFrame();
  DrawCell(static_cast<std::uint32_t>(AreaEditorState.selectedCell), 12, 32);
  UnlockFrame();
}

void PaintEditorCursorBackground() {
  if (AreaEditorState.activeWindow != EditorWindow) return;
  std::uint8_t cell =
      EditGrid.displayLayer[16 * AreaEditorState.previousY + AreaEditorState.previousX];
  DrawDoubled(CursorBackground, 32, CellBank + CellBytes * cell, 16, 16, 16);
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
      20 * (AreaEditorState.selectorScrollRow + AreaEditorState.cursorY) + AreaEditorState.cursorX;
  if (index > 255) index = 0;
  AreaEditorState.selectedCell = index;
  DrawSelectedCellPreview();
}

void GetCellUnderCursor() {
  AreaEditorState.selectedCell = EditGrid.displayLayer[CursorIndex()];
  DrawSelectedCellPreview();
}
