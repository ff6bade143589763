// The area editor's frame loop, with the block blink each frame, and its
// screen.
#include "app/program.h"
#include "area/area_slots.h"
#include "area/block.h"
#include "area/editor_cursor.h"
#include "area/editor_keys.h"
#include "area/editor_pointer.h"
#include "area/editor_windows.h"
#include "draw/background.h"
#include "draw/editor_turn.h"
#include "runtime/screen.h"

void MainLoop() {
  RunEditorTurns({BlinkBlock, EndAreaEditorDragAtKey, CursorStep,
                  [](OsWParam key) {
                    HandleAreaEditorKey(key);
                    return false;
                  },
                  HandleAreaEditorPointer});
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
