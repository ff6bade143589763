// Block mode: marking a rectangle of cells with Shift and the arrows, its
// blink, copying it with 'C' and pasting it with 'V'.
#pragma once

#include <cstdint>

enum BlockMode {
  BlockIdle,
  BlockSelecting,
  BlockAreaLoaded,  // an area was loaded while a copy exists
};

struct BlockCorners {
  std::int32_t x1, y1, x2, y2;
};

struct BlockStateRecord {
  bool blinking;
  BlockMode code;
  bool hasCopy;               // 'C' has taken a snapshot that 'V' can paste from
  std::int32_t blinkPhase;    // 1 while the block shows cell 0
  std::int32_t blinkCounter;  // 0..7
  BlockCorners live;          // anchor, then end corner; not ordered
  BlockCorners stored;        // the block 'V' pastes
};

extern BlockStateRecord BlockState;

void StartBlock();
void ExtendBlock();
void EndBlock();
void CopyBlock();
void PasteBlock();
void ResetBlockAfterLoad();
void BlinkBlock();
// Before a cursor move with Shift in the editor: a block is anchored at the
// cursor unless one is being marked.
void MarkFromCursor();
// Before any other cursor move: the marking and the blink stop; the corners stay.
void StopMarking();
// The block end rule, TAB: no selection, no blink, the live block at (0, 0).
void ClearBlockSelection();
