// The area editor's frame loop: two vertical blanks per idle turn, one per
// key press, at most one message per turn.
#include "area/block.h"
#include "area/editor_keys.h"
#include "area/editor_state.h"
#include "draw/cursor.h"
#include "shell/display.h"
#include "shell/program.h"

namespace {

void RememberCursor() {
  AreaEditorState.previousX = AreaEditorState.cursorX;
  AreaEditorState.previousY = AreaEditorState.cursorY;
}

}  // namespace

void MainLoop() {
  for (;;) {
    WaitFrame();
    CursorColourCounter = (CursorColourCounter + 1) % 16;
    BlinkBlock();
    bool keyHandled = false;
    if (PeekProgramMessage()) {
      const OsMessage& message = ProgramState.message;
      if (message.message == WM_QUIT) ExitProgram();
      if (message.message == WM_KEYDOWN) {
        RedrawCursor();
        RememberCursor();
        HandleAreaEditorKey(message.wParam);
        keyHandled = true;
      } else {
        DispatchProgramMessage();
      }
    }
    if (!keyHandled) {
      WaitFrame();
      RedrawCursor();
      RememberCursor();
    }
    if (ProgramState.running == 0) return;
  }
}
