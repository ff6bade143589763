// Drawing the showing screen again from the program's records. Window redraws
// take the cursor's background afresh and move its last position, so both
// are kept and put back: the next cursor step must find them as they were.
#include "shell/shown_screen.h"

#include <cstring>

#include "area/animation_preview.h"
#include "area/editor_state.h"
#include "area/editor_windows.h"
#include "draw/background.h"
#include "draw/cursor.h"
#include "draw/number.h"
#include "draw/screen.h"
#include "files/area_set.h"
#include "shell/display.h"
#include "shell/help_page.h"
#include "worldmap/word_map_draw.h"
#include "worldmap/word_map_state.h"

ShownScreen ScreenShown;

namespace {

void RedrawAreaEditor() {
  static std::uint8_t underCursor[sizeof CursorBackground];
  AreaEditorStateRecord& state = AreaEditorState;
  const CursorPosition shown = {state.previousX, state.previousY};
  const CursorPosition current = {state.cursorX, state.cursorY};
  std::memcpy(underCursor, CursorBackground, sizeof underCursor);
  DrawBackground();
  DrawSelectorWindow();
  DrawEditorWindow();
  DrawAreaNumber();
  DrawSelectedCellPreview();
  // The cursor shows where it was last drawn.
  state.cursorX = shown.x;
  state.cursorY = shown.y;
  DrawCursorMask();
  state.cursorX = current.x;
  state.cursorY = current.y;
  state.previousX = shown.x;
  state.previousY = shown.y;
  std::memcpy(CursorBackground, underCursor, sizeof underCursor);
}

void RedrawWordMap() {
  static std::uint8_t underCursor[sizeof WordMapState.cursorBackground];
  WordMapStateRecord& state = WordMapState;
  const WordMapCursor shown = {state.previousColumn, state.previousRow};
  std::memcpy(underCursor, state.cursorBackground, sizeof underCursor);
  ClearScreen();
  DrawMapWindow();
  DrawAreaPicker();
  DrawAreaPreview(static_cast<std::uint8_t>(state.areaUnderCursor), CursorPreviewX, CursorPreviewY);
  DrawWordMapCursorMask(WordMapSlotX(shown.column), WordMapSlotY(shown.row));
  state.previousColumn = shown.column;
  state.previousRow = shown.row;
  std::memcpy(state.cursorBackground, underCursor, sizeof underCursor);
}

}  // namespace

void RedrawShownScreen() {
  ApplyPalette(CellBank + CellBankPaletteOffset);
  switch (ScreenShown) {
    case ShownScreen::AreaEditor: RedrawAreaEditor(); break;
    case ShownScreen::HelpPage:
      ClearScreen();
      DrawHelpText();
      break;
    case ShownScreen::Preview:
      ClearScreen();
      DrawPreviewArea();
      break;
    case ShownScreen::WordMap: RedrawWordMap(); break;
  }
}
