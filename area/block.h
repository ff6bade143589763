// Block mode: marking a rectangle of cells with Shift and the arrows, its
// blink, copying it with 'C' and pasting it with 'V'.
#pragma once

#include <cstdint>

constexpr std::int32_t BlockIdle = 0;
constexpr std::int32_t BlockSelecting = 2;
constexpr std::int32_t BlockAreaLoaded = 4;  // an area was loaded while a copy exists

struct BlockCorners {
  std::int32_t x1, y1, x2, y2;
};

struct BlockStateRecord {
  std::int32_t blinkFlag;
  std::int32_t code;
  std::int32_t clipboardFlag;
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
// The block end rule, TAB: no selection, no blink, the live block at (0, 0).
void ClearBlockSelection();
