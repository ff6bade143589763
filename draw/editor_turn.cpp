// The editors' frame loop.
#include "draw/editor_turn.h"

#include "draw/cursor.h"
#include "runtime/display.h"
#include "runtime/messages.h"
#include "runtime/program_state.h"

void RunEditorTurns(const EditorTurn& editor) {
  for (;;) {
    WaitFrame();
    NextCursorColour();
    if (editor.eachFrame != nullptr) editor.eachFrame();
    TurnMessage taken = TakeTurnMessage();
    if (taken == TurnMessage::KeyDown) {
      editor.endDragAtKey(ProgramState.message.wParam);
      editor.cursorStep();
      if (editor.handleKey(ProgramState.message.wParam)) return;
    } else {
      if (taken == TurnMessage::Pointer) editor.handlePointer(ProgramState.message);
      WaitFrame();
      editor.cursorStep();
    }
    if (ProgramState.running == 0) return;
  }
}
