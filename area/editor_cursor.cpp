// The area editor's cursor: corner brackets in the counter's colour over one
// 32 x 32 cell position, erased by putting back what lay under it.
#include "area/editor_cursor.h"

#include <cstring>

#include "area/edit_grid.h"
#include "area/editor_state.h"
#include "data/tables.h"
#include "draw/cursor.h"
#include "draw/doubling.h"
#include "files/area_set.h"
#include "runtime/state_records.h"

namespace {

std::uint8_t CursorBackground[PositionSide * PositionSide];
StateRecord Listed{"CursorBackground", CursorBackground,
                   [] { std::memset(CursorBackground, 0, sizeof CursorBackground); }};

int PositionX(std::int32_t column) {
  return static_cast<int>(ActiveWindow().originX) + PositionSide * column;
}
int PositionY(std::int32_t row) {
  return static_cast<int>(ActiveWindow().originY) + PositionSide * row;
}

// In the editor window the background is the cell at the remembered
// position, drawn afresh, since the block blink may have changed it.
void PaintEditorCursorBackground() {
  if (AreaEditorState.activeWindow != EditorWindow) return;
  std::uint8_t cell =
      EditGrid.displayLayer[GridIndex(AreaEditorState.previousX, AreaEditorState.previousY)];
  DrawDoubled(CursorBackground, PositionSide, CellBank + CellBytes * cell, 16, 16, 16);
}

}  // namespace

void RedrawCursor() {
  EraseCursor();
  CaptureCursorBackground();
  DrawCursorMask(CursorMask.data(), 16, 16, PositionX(AreaEditorState.cursorX),
                 PositionY(AreaEditorState.cursorY));
}

void EraseCursor() {
  PaintEditorCursorBackground();
  RestoreUnderCursor(CursorBackground, PositionX(AreaEditorState.previousX),
                     PositionY(AreaEditorState.previousY), PositionSide, PositionSide);
}

void CaptureCursorBackground() {
  if (AreaEditorState.activeWindow != SelectorWindow) return;
  CaptureUnderCursor(CursorBackground, PositionX(AreaEditorState.cursorX),
                     PositionY(AreaEditorState.cursorY), PositionSide, PositionSide);
}

void RememberCursor() {
  AreaEditorState.previousX = AreaEditorState.cursorX;
  AreaEditorState.previousY = AreaEditorState.cursorY;
}

void CursorStep() {
  RedrawCursor();
  RememberCursor();
}

void RetakeCursorBackground() {
  RememberCursor();
  CaptureCursorBackground();
}

namespace {

std::uint8_t KeptBackground[sizeof CursorBackground];
CursorPosition KeptPosition;

}  // namespace

void KeepCursor() {
  std::memcpy(KeptBackground, CursorBackground, sizeof KeptBackground);
  KeptPosition = {AreaEditorState.previousX, AreaEditorState.previousY};
}

void ShowKeptCursor() {
  std::memcpy(CursorBackground, KeptBackground, sizeof CursorBackground);
  AreaEditorState.previousX = KeptPosition.x;
  AreaEditorState.previousY = KeptPosition.y;
  DrawCursorMask(CursorMask.data(), 16, 16, PositionX(KeptPosition.x), PositionY(KeptPosition.y));
}
