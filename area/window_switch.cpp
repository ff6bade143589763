// The switch between the editor and selector windows, which TAB and a find
// in the selector both take.
#include "area/window_switch.h"

#include "area/block.h"
#include "area/editor_cursor.h"
#include "area/editor_state.h"

void SwitchAreaEditorWindow() {
  ClearBlockSelection();
  RememberCursor();
  EraseCursor();
  std::int32_t active = AreaEditorState.activeWindow;
  AreaEditorState.savedCursor[active] = {AreaEditorState.cursorX, AreaEditorState.cursorY};
  active = 1 - active;
  AreaEditorState.activeWindow = active;
  AreaEditorState.cursorX = AreaEditorState.previousX = AreaEditorState.savedCursor[active].x;
  AreaEditorState.cursorY = AreaEditorState.previousY = AreaEditorState.savedCursor[active].y;
  CaptureCursorBackground();
}
