// Putting every record of the program back to its start-up state, so that a
// test can run the program from its entry more than once in one process.
#include "app/program.h"
#include "app/status_line.h"
#include "area/area_slots.h"
#include "area/block.h"
#include "area/editor_cursor.h"
#include "area/editor_state.h"
#include "draw/cursor.h"
#include "files/area_set.h"
#include "runtime/display.h"
#include "runtime/program_state.h"
#include "runtime/status_events.h"
#include "screens/animation_preview.h"
#include "worldmap/word_map.h"

void ResetProgram() {
  ProgramState = ProgramStart;
  DisplayDevice = {};
  ResetStatusEvents();
  ResetAreaSet();
  ResetAreaEditorState();
  EditGrid = {};
  BlockState = {};
  CursorColourCounter = 0;
  ResetEditorCursor();
  AnimationTick = 0;
  ResetWordMap();
  ResetStatusLine();
}
