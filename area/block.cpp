// Block mode: the live block follows the cursor while Shift+arrows mark it,
// blinks by swapping its cells for cell 0 every 8 turns, and 'C' / 'V' copy
// a whole-area snapshot and paste the stored block's part of it.
#include "area/block.h"

#include <algorithm>
#include <cstring>

#include "area/area_slots.h"
#include "area/editor_state.h"
#include "area/editor_windows.h"

BlockStateRecord BlockState;

void StartBlock() {
  BlockState.code = BlockSelecting;
  BlockState.live.x1 = AreaEditorState.cursorX;
  BlockState.live.y1 = AreaEditorState.cursorY;
  BlockState.blinkFlag = 1;
}

void ExtendBlock() {
  if (BlockState.code == BlockIdle) return;
  BlockState.live.x2 = AreaEditorState.cursorX;
  BlockState.live.y2 = AreaEditorState.cursorY;
}

void EndBlock() {
  BlockState.blinkFlag = 0;
  if (BlockState.code != BlockAreaLoaded) BlockState.stored = BlockState.live;
  BlockState.live = {0, 0, 0, 0};
}

void ClearBlockSelection() {
  BlockState.code = BlockIdle;
  BlockState.blinkFlag = 0;
  BlockState.live = {0, 0, 0, 0};
}

void CopyBlock() {
  BlockState.clipboardFlag = 1;
  std::memcpy(EditGrid.clipboardGrid, EditGrid.cellLayer, 160);
  std::memcpy(EditGrid.clipboardGrid + 160, EditGrid.idLayer, 160);
  EndBlock();
  // A copy ends the marking: the next Shift+arrow starts a fresh block.
  if (BlockState.code == BlockSelecting) BlockState.code = BlockIdle;
}

void PasteBlock() {
  if (BlockState.clipboardFlag == 0) return;
  BlockState.code = BlockIdle;
  BlockCorners& block = BlockState.stored;
  if (block.x2 <= block.x1) std::swap(block.x1, block.x2);
  if (block.y2 <= block.y1) std::swap(block.y1, block.y2);
  std::int32_t cursorX = AreaEditorState.cursorX;
  std::int32_t cursorY = AreaEditorState.cursorY;
  std::int32_t h = block.y2 - block.y1 + 1;
  if (cursorY + h > 10) h = 10 - cursorY;
  std::int32_t w = block.x2 - block.x1 + 1;
  if (cursorX + w > 16) w = 16 - cursorX;
  for (std::int32_t j = 0; j < h; ++j) {
    for (std::int32_t i = 0; i < w; ++i) {
      std::int32_t s = 16 * (block.y1 + j) + block.x1 + i;
      std::int32_t t = 16 * (cursorY + j) + cursorX + i;
      EditGrid.displayLayer[t] = EditGrid.clipboardGrid[s];
      EditGrid.cellLayer[t] = EditGrid.clipboardGrid[s];
      EditGrid.idLayer[t] = EditGrid.clipboardGrid[160 + s];
    }
  }
  DrawEditorWindow();
}

void ResetBlockAfterLoad() {
  if (BlockState.clipboardFlag == 1) {
    EndBlock();
  } else {
    ClearBlockSelection();
  }
}

void BlinkBlock() {
  if (BlockState.blinkFlag == 1) {
    std::memcpy(EditGrid.displayLayer, EditGrid.cellLayer, 160);
    std::int32_t phaseBefore = BlockState.blinkPhase;
    BlockState.blinkCounter = (BlockState.blinkCounter + 1) % 8;
    if (BlockState.blinkCounter == 0) BlockState.blinkPhase ^= 1;
    const BlockCorners& live = BlockState.live;
    std::int32_t left = std::min(live.x1, live.x2), right = std::max(live.x1, live.x2);
    std::int32_t top = std::min(live.y1, live.y2), bottom = std::max(live.y1, live.y2);
    for (std::int32_t y = top; y <= bottom; ++y)
      for (std::int32_t x = left; x <= right; ++x)
        EditGrid.displayLayer[16 * y + x] =
            BlockState.blinkPhase == 1 ? 0 : EditGrid.cellLayer[16 * y + x];
    if (BlockState.blinkPhase != phaseBefore) DrawEditorWindow();
  } else if (BlockState.blinkPhase == 1) {
    BlockState.blinkPhase = 0;
    BlockState.blinkCounter = 0;
    std::memcpy(EditGrid.displayLayer, EditGrid.cellLayer, 160);
    DrawEditorWindow();
  }
}
