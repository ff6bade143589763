// The Word Map's cursor: corner brackets over one 32 x 20 slot, erased by
// putting back the pixels it covered, and the cursor preview of the area
// under it.
#include <cstring>

#include "data/tables.h"
#include "draw/cursor.h"
#include "files/area_set.h"
#include "runtime/display.h"
#include "runtime/screen.h"
#include "worldmap/word_map_draw.h"
#include "worldmap/word_map_state.h"

namespace {

constexpr int MaskWidth = 16, MaskHeight = 10;  // drawn doubled over the slot

const std::uint8_t* CellOfArea(std::uint8_t area, int i, int j) {
  return CellBank + CellBytes * AreaRecord(area)[GridIndex(i, j)];
}

}  // namespace

// Preview: each cell becomes 8 x 8, its even columns of its even rows.
void DrawAreaPreview(std::uint8_t area, int x, int y) {
  LockFrame();
  for (int j = 0; j < AreaRows; ++j) {
    for (int v = 0; v < 8; ++v) {
      std::uint8_t* row = FramePixel(x, y + 8 * j + v);
      for (int i = 0; i < AreaColumns; ++i) {
        const std::uint8_t* source = CellOfArea(area, i, j) + 16 * 2 * v;
        for (int u = 0; u < 8; ++u) row[8 * i + u] = source[2 * u];
      }
    }
  }
  UnlockFrame();
}

void DrawPreviewOrGround(std::uint32_t area, int x, int y) {
  if (area <= LastArea) {
    DrawAreaPreview(static_cast<std::uint8_t>(area), x, y);
    return;
  }
  LockFrame();
  ClearRegion(x, y, PreviewWidth, PreviewHeight);
  UnlockFrame();
}

int WordMapSlotX(std::uint32_t column) {
  return static_cast<int>(ActiveWordMapWindow().originX + SlotWidth * column);
}

int WordMapSlotY(std::uint32_t row) {
  return static_cast<int>(ActiveWordMapWindow().originY + SlotHeight * row);
}

void CaptureWordMapBackground(int x, int y) {
  CaptureUnderCursor(WordMapState.cursorBackground, x, y, SlotWidth, SlotHeight);
}

void RestoreWordMapBackground(int x, int y) {
  RestoreUnderCursor(WordMapState.cursorBackground, x, y, SlotWidth, SlotHeight);
}

void DrawWordMapCursorMask(int x, int y) {
  DrawCursorMask(WordMapCursorMask.data(), MaskWidth, MaskHeight, x, y);
}

void RememberWordMapCursor() {
  WordMapState.previousColumn = WordMapState.cursorColumn;
  WordMapState.previousRow = WordMapState.cursorRow;
}

void RetakeWordMapBackground() {
  RememberWordMapCursor();
  CaptureWordMapBackground(WordMapSlotX(WordMapState.cursorColumn),
                           WordMapSlotY(WordMapState.cursorRow));
}

void RedrawWordMapCursor() {
  WordMapStateRecord& state = WordMapState;
  RestoreWordMapBackground(WordMapSlotX(state.previousColumn), WordMapSlotY(state.previousRow));
  int x = WordMapSlotX(state.cursorColumn), y = WordMapSlotY(state.cursorRow);
  CaptureWordMapBackground(x, y);
  DrawWordMapCursorMask(x, y);
  state.areaUnderCursor = AreaUnderWordMapCursor();
  DrawPreviewOrGround(state.areaUnderCursor, CursorPreviewX, CursorPreviewY);
}

void WordMapCursorStep() {
  RedrawWordMapCursor();
  RememberWordMapCursor();
}

namespace {

std::uint8_t KeptBackground[sizeof WordMapState.cursorBackground];
WordMapCursor KeptSlot;

}  // namespace

void KeepWordMapCursor() {
  std::memcpy(KeptBackground, WordMapState.cursorBackground, sizeof KeptBackground);
  KeptSlot = {WordMapState.previousColumn, WordMapState.previousRow};
}

void ShowKeptWordMapCursor() {
  WordMapStateRecord& state = WordMapState;
  std::memcpy(state.cursorBackground, KeptBackground, sizeof KeptBackground);
  state.previousColumn = KeptSlot.column;
  state.previousRow = KeptSlot.row;
  DrawWordMapCursorMask(WordMapSlotX(KeptSlot.column), WordMapSlotY(KeptSlot.row));
  DrawPreviewOrGround(state.areaUnderCursor, CursorPreviewX, CursorPreviewY);
}
