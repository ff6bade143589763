// The Word Map's cursor: corner brackets over one 32 x 20 slot, erased by
// putting back the pixels it covered, and the cursor preview of the area
// under it.
#include <cstring>

#include "draw/cursor.h"
#include "draw/tables.h"
#include "files/area_set.h"
#include "shell/display.h"
#include "worldmap/word_map_draw.h"
#include "worldmap/word_map_state.h"

namespace {

constexpr int MaskWidth = 16, MaskHeight = 10;  // drawn doubled over the slot

// Map window: the grid entry under the cursor. Area picker: the count of the
// slot, 0..259, which the preview shows modulo 256.
std::uint32_t AreaUnderCursor() {
  const WordMapStateRecord& state = WordMapState;
  if (state.activeWindow == MapWindow)
    return WordMapGrid()[256 * (state.mapScrollRow + state.cursorRow) + state.mapScrollColumn +
                         state.cursorColumn];
  return PickerLineLength * (state.pickerScrollRow + state.cursorRow) + state.cursorColumn;
}

}  // namespace

int WordMapSlotX(std::uint32_t column) {
  return static_cast<int>(ActiveWordMapWindow().originX + SlotWidth * column);
}

int WordMapSlotY(std::uint32_t row) {
  return static_cast<int>(ActiveWordMapWindow().originY + SlotHeight * row);
}

void CaptureWordMapBackground(int x, int y) {
  LockFrame();
  for (int row = 0; row < SlotHeight; ++row)
    std::memcpy(WordMapState.cursorBackground + SlotWidth * row, FramePixel(x, y + row), SlotWidth);
  UnlockFrame();
}

void RestoreWordMapBackground(int x, int y) {
  LockFrame();
  for (int row = 0; row < SlotHeight; ++row)
    std::memcpy(FramePixel(x, y + row), WordMapState.cursorBackground + SlotWidth * row, SlotWidth);
  UnlockFrame();
}

void DrawWordMapCursorMask(int x, int y) {
  auto colour = static_cast<std::uint8_t>(CursorColourCounter);
  LockFrame();
  for (int v = 0; v < MaskHeight; ++v) {
    std::uint8_t* top = FramePixel(x, y + 2 * v);
    std::uint8_t* bottom = top + DisplayDevice.FramePitch;
    for (int u = 0; u < MaskWidth; ++u) {
      if (WordMapCursorMask[MaskWidth * v + u] == 0) continue;
      top[2 * u] = top[2 * u + 1] = colour;
      bottom[2 * u] = bottom[2 * u + 1] = colour;
    }
  }
  UnlockFrame();
}

void RedrawWordMapCursor() {
  WordMapStateRecord& state = WordMapState;
  const ViewWindow& window = ActiveWordMapWindow();
  if (state.cursorColumn >= window.width) state.cursorColumn = 0;
  if (state.cursorRow >= window.height) state.cursorRow = 0;
  RestoreWordMapBackground(WordMapSlotX(state.previousColumn), WordMapSlotY(state.previousRow));
  int x = WordMapSlotX(state.cursorColumn), y = WordMapSlotY(state.cursorRow);
  CaptureWordMapBackground(x, y);
  DrawWordMapCursorMask(x, y);
  state.areaUnderCursor = AreaUnderCursor();
  DrawAreaPreview(static_cast<std::uint8_t>(state.areaUnderCursor), CursorPreviewX, CursorPreviewY);
}
