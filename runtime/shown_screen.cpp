// Drawing the showing screen again from the program's records. Window redraws
// take the cursor's background afresh and move its remembered position, so
// both are kept and put back: the next cursor step must find them as they were.
#include "runtime/shown_screen.h"

#include "area/editor_cursor.h"
#include "area/editor_windows.h"
#include "draw/background.h"
#include "files/area_set.h"
#include "runtime/display.h"
#include "runtime/screen.h"
#include "screens/animation_preview.h"
#include "screens/help_page.h"
#include "worldmap/word_map_draw.h"

ShownScreen ScreenShown;

void RunScreen(ShownScreen screen, void (*draw)(), void (*loop)()) {
  SaveScreen(ScreenStore);
  ClearScreen();
  draw();
  ScreenShown = screen;
  loop();
  ScreenShown = ShownScreen::AreaEditor;
  RestoreScreen(ScreenStore);
}

void RedrawShownScreen() {
  ApplyPalette(CellBank + CellBankPaletteOffset);
  switch (ScreenShown) {
    case ShownScreen::AreaEditor:
      KeepCursor();
      DrawBackground();
      DrawSelectorWindow();
      DrawEditorWindow();
      DrawAreaNumber();
      DrawSelectedCellPreview();
      ShowKeptCursor();
      break;
    case ShownScreen::HelpPage: RedrawHelpPage(); break;
    case ShownScreen::Preview: RedrawPreview(); break;
    case ShownScreen::WordMap:
      KeepWordMapCursor();
      ClearScreen();
      DrawMapWindow();
      DrawAreaPicker();
      ShowKeptWordMapCursor();
      break;
  }
}
