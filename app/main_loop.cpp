// The area editor's frame loop: two vertical blanks per idle turn, one per
// key press, at most one message per turn.
#include "app/program.h"
#include "area/area_slots.h"
#include "area/block.h"
#include "area/editor_cursor.h"
#include "area/editor_keys.h"
#include "area/editor_pointer.h"
#include "area/editor_windows.h"
#include "draw/background.h"
#include "draw/cursor.h"
#include "runtime/display.h"
#include "runtime/messages.h"

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

namespace {

// The area editor's first picture: the background, the selector, the current
// area loaded into the editor window, and its number.
void DrawAreaEditor() {
  DrawBackground();
  DrawSelectorWindow();
  LoadArea();
  DrawAreaNumber();
}

}  // namespace

const Screen AreaEditorScreen = {DrawAreaEditor, RedrawAreaEditor, MainLoop};
