// The area editor's state: the two windows as grids of cell positions, the
// cursor with its saved position per window, the selected cell, the selector
// scroll row and the current area number.
#pragma once

#include <cstdint>

#include "draw/view_window.h"

constexpr std::int32_t EditorWindow = 0;
constexpr std::int32_t SelectorWindow = 1;

constexpr int PositionSide = 32;                  // screen pixels of one doubled cell
constexpr std::int32_t SelectorLineLength = 20;   // cells per selector line
constexpr std::int32_t SelectorScrollLimit = 10;  // lines 10..12 hold cells 200..255
// Where the selected cell and the current area's number show.
constexpr int SelectedCellX = 12, SelectedCellY = 32;
constexpr int AreaNumberX = 192, AreaNumberY = 360;

struct CursorPosition {
  std::int32_t x, y;
};

struct AreaEditorStateRecord {
  std::int32_t cursorX{}, cursorY{};
  std::int32_t previousX{}, previousY{};
  CursorPosition savedCursor[2]{};
  std::int32_t selectedCell{};
  std::int32_t selectorScrollRow{};  // 0..SelectorScrollLimit
  std::int32_t activeWindow{};
  std::int32_t currentArea{};  // 0..255; + and - keep to 0..254
  ViewWindow windows[2]{};
};

extern AreaEditorStateRecord AreaEditorState;

inline const ViewWindow& ActiveWindow() {
  return AreaEditorState.windows[AreaEditorState.activeWindow];
}

// The editor window's cursor, also while the selector is active.
inline CursorPosition EditorCursor() {
  const AreaEditorStateRecord& state = AreaEditorState;
  if (state.activeWindow == EditorWindow) return {state.cursorX, state.cursorY};
  return state.savedCursor[EditorWindow];
}
