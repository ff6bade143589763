// The area editor's frame loop: two vertical blanks per idle turn, one per
// key press, at most one message per turn.
#include "app/program.h"
#include "area/block.h"
#include "area/editor_cursor.h"
#include "area/editor_keys.h"
#include "draw/cursor.h"
#include "runtime/display.h"

void MainLoop() {
  for (;;) {
    WaitFrame();
    NextCursorColour();
    BlinkBlock();
    if (TakeTurnMessage() == TurnMessage::KeyDown) {
      RedrawCursor();
      RememberCursor();
      HandleAreaEditorKey(ProgramState.message.wParam);
    } else {
      WaitFrame();
      RedrawCursor();
      RememberCursor();
    }
    if (ProgramState.running == 0) return;
  }
}
