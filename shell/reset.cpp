// Putting every record of the program back to its start-up state, so that a
// test can run the program from its entry more than once in one process.
#include "area/animation_preview.h"
#include "area/area_slots.h"
#include "area/block.h"
#include "area/editor_cursor.h"
#include "area/editor_pointer.h"
#include "area/editor_state.h"
#include "area/go_to.h"
#include "draw/cursor.h"
#include "files/area_set.h"
#include "shell/display.h"
#include "shell/program.h"
#include "shell/shown_screen.h"
#include "shell/status_line.h"
#include "worldmap/word_map.h"
#include "worldmap/word_map_pointer.h"

void ResetProgram() {
  ProgramState = {};
  ProgramState.running = 1;
  DisplayDevice = {};
  ResetAreaSet();
  ResetAreaEditorState();
  EditGrid = {};
  BlockState = {};
  CursorColourCounter = 0;
  ResetEditorCursor();
  AnimationTick = 0;
  ResetWordMap();
  ResetAreaEditorPointer();
  ResetWordMapPointer();
  ScreenShown = ShownScreen::AreaEditor;
  ResetStatusLine();
  ResetNumberTyping();
}
