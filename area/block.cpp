// Block mode: the live block follows the cursor while Shift+arrows mark it,
// blinks by swapping its cells for cell 0 every 8 turns, and 'C' / 'V' copy
// a whole-area snapshot and paste the stored block's part of it.
#include "area/block.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "area/edit_grid.h"
#include "area/editor_state.h"
#include "area/editor_windows.h"
#include "files/area_set.h"
#include "runtime/state_records.h"
#include "runtime/status_events.h"

BlockStateRecord BlockState;
namespace {
StateRecord Listed{"BlockState", BlockState, [] { BlockState = {}; }};
}  // namespace

void StartBlock() {
  BlockState.code = BlockSelecting;
  BlockState.live.x1 = AreaEditorState.cursorX;
  BlockState.live.y1 = AreaEditorState.cursorY;
  BlockState.blinking = true;
}

void ExtendBlock() {
  if (BlockState.code == BlockIdle) return;
  BlockState.live.x2 = AreaEditorState.cursorX;
  BlockState.live.y2 = AreaEditorState.cursorY;
}

void EndBlock() {
  BlockState.blinking = false;
  if (BlockState.code != BlockAreaLoaded) BlockState.stored = BlockState.live;
  BlockState.live = {};
}

void MarkFromCursor() {
  if (BlockState.code != BlockSelecting) StartBlock();
}

void StopMarking() {
  BlockState.code = BlockIdle;
  BlockState.blinking = false;
}

void ClearBlockSelection() {
  BlockState.code = BlockIdle;
  BlockState.blinking = false;
  BlockState.live = {};
}

void CopyBlock() {
  BlockState.hasCopy = true;
  std::memcpy(EditGrid.clipboardGrid, EditGrid.cellLayer, AreaCells);
  std::memcpy(EditGrid.clipboardGrid + AreaCells, EditGrid.idLayer, AreaCells);
  EndBlock();
  // A copy ends the marking: the next Shift+arrow starts a fresh block.
  if (BlockState.code == BlockSelecting) BlockState.code = BlockIdle;
  const BlockCorners& b = BlockState.stored;
  ReportEvent("Copied a %d x %d block", std::abs(b.x2 - b.x1) + 1, std::abs(b.y2 - b.y1) + 1);
}

void PasteBlock() {
  if (!BlockState.hasCopy) return;
  BlockState.code = BlockIdle;
  BlockCorners& block = BlockState.stored;
  if (block.x2 <= block.x1) std::swap(block.x1, block.x2);
  if (block.y2 <= block.y1) std::swap(block.y1, block.y2);
  std::int32_t cursorX = AreaEditorState.cursorX;
  std::int32_t cursorY = AreaEditorState.cursorY;
  std::int32_t h = block.y2 - block.y1 + 1;
  if (cursorY + h > AreaRows) h = AreaRows - cursorY;
  std::int32_t w = block.x2 - block.x1 + 1;
  if (cursorX + w > AreaColumns) w = AreaColumns - cursorX;
  for (std::int32_t j = 0; j < h; ++j) {
    for (std::int32_t i = 0; i < w; ++i) {
      int s = GridIndex(block.x1 + i, block.y1 + j);
      int t = GridIndex(cursorX + i, cursorY + j);
      EditGrid.displayLayer[t] = EditGrid.clipboardGrid[s];
      EditGrid.cellLayer[t] = EditGrid.clipboardGrid[s];
      EditGrid.idLayer[t] = EditGrid.clipboardGrid[AreaCells + s];
    }
  }
  DrawEditorWindow();
}

void ResetBlockAfterLoad() {
  if (BlockState.hasCopy) {
    EndBlock();
  } else {
    ClearBlockSelection();
  }
}

void BlinkBlock() {
  if (BlockState.blinking) {
    std::memcpy(EditGrid.displayLayer, EditGrid.cellLayer, AreaCells);
    std::int32_t phaseBefore = BlockState.blinkPhase;
    BlockState.blinkCounter = (BlockState.blinkCounter + 1) % 8;
    if (BlockState.blinkCounter == 0) BlockState.blinkPhase ^= 1;
    const BlockCorners& live = BlockState.live;
    std::int32_t left = std::min(live.x1, live.x2), right = std::max(live.x1, live.x2);
    std::int32_t top = std::min(live.y1, live.y2), bottom = std::max(live.y1, live.y2);
    for (std::int32_t y = top; y <= bottom; ++y)
      for (std::int32_t x = left; x <= right; ++x)
        EditGrid.displayLayer[GridIndex(x, y)] =
            BlockState.blinkPhase == 1 ? 0 : EditGrid.cellLayer[GridIndex(x, y)];
    if (BlockState.blinkPhase != phaseBefore) DrawEditorWindow();
  } else if (BlockState.blinkPhase == 1) {
    BlockState.blinkPhase = 0;
    BlockState.blinkCounter = 0;
    std::memcpy(EditGrid.displayLayer, EditGrid.cellLayer, AreaCells);
    DrawEditorWindow();
  }
}
