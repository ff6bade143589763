// The area editor's frame loop: two vertical blanks per idle turn, one per
// key press, at most one message per turn.
#include "area/block.h"
#include "area/editor_cursor.h"
#include "area/editor_keys.h"
#include "area/editor_pointer.h"
#include "draw/cursor.h"
#include "shell/display.h"
#include "shell/program.h"

void MainLoop() {
  for (;;) {
    WaitFrame();
    NextCursorColour();
    BlinkBlock();
    TurnMessage taken = TakeTurnMessage();
    if (taken == TurnMessage::KeyDown) {
      EndAreaEditorDragAtKey(ProgramState.message.wParam);
      RedrawCursor();
      RememberCursor();
      HandleAreaEditorKey(ProgramState.message.wParam);
    } else {
      if (taken == TurnMessage::Pointer) HandleAreaEditorPointer(ProgramState.message);
      WaitFrame();
      RedrawCursor();
      RememberCursor();
    }
    if (ProgramState.running == 0) return;
  }
}
