// The area editor's cursor: corner brackets in the counter's colour over one
// 32 x 32 cell position, erased by putting back what lay under it.
#include "draw/cursor.h"

#include <cstring>

#include "area/editor_state.h"
#include "area/editor_windows.h"
#include "draw/tables.h"
#include "shell/display.h"

std::uint32_t CursorColourCounter;
std::uint8_t CursorBackground[32 * 32];

namespace {

std::uint8_t* PositionPixel(std::int32_t column, std::int32_t row) {
  const ViewWindow& window = ActiveWindow();
  return FramePixel(static_cast<int>(window.originX) + 32 * column,
                    static_cast<int>(window.originY) + 32 * row);
}

}  // namespace

void RedrawCursor() {
  const ViewWindow& window = ActiveWindow();
  if (static_cast<std::uint32_t>(AreaEditorState.cursorX) >= window.width)
    AreaEditorState.cursorX = 0;
  if (static_cast<std::uint32_t>(AreaEditorState.cursorY) >= window.height)
    AreaEditorState.cursorY = 0;
  EraseCursor();
  CaptureCursorBackground();
  DrawCursorMask();
}

void EraseCursor() {
  PaintEditorCursorBackground();
  LockFrame();
  std::uint8_t* target = PositionPixel(AreaEditorState.previousX, AreaEditorState.previousY);
  for (int row = 0; row < 32; ++row)
    std::memcpy(target + row * DisplayDevice.FramePitch, CursorBackground + 32 * row, 32);
  UnlockFrame();
}

void CaptureCursorBackground() {
  if (AreaEditorState.activeWindow != SelectorWindow) return;
  LockFrame();
  const std::uint8_t* source = PositionPixel(AreaEditorState.cursorX, AreaEditorState.cursorY);
  for (int row = 0; row < 32; ++row)
    std::memcpy(CursorBackground + 32 * row, source + row * DisplayDevice.FramePitch, 32);
  UnlockFrame();
}

void DrawCursorMask() {
  auto colour = static_cast<std::uint8_t>(CursorColourCounter);
  LockFrame();
  std::uint8_t* target = PositionPixel(AreaEditorState.cursorX, AreaEditorState.cursorY);
  for (int v = 0; v < 16; ++v) {
    std::uint8_t* row = target + 2 * v * DisplayDevice.FramePitch;
    for (int u = 0; u < 16; ++u) {
      if (CursorMask[16 * v + u] == 0) continue;
      row[2 * u] = row[2 * u + 1] = colour;
      row[DisplayDevice.FramePitch + 2 * u] = row[DisplayDevice.FramePitch + 2 * u + 1] = colour;
    }
  }
  UnlockFrame();
}
