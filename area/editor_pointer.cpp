// The pointer in the area editor, as keys: a left press on an editor cell is
// TAB (when the selector is active), arrows to the cell and SPACE; a drag
// goes on with SPACE at every cell entered, one undo step from press to
// release; with Shift the press is arrows alone and the drag marks a block as
// Shift+arrows. A right press on an editor cell is arrows and G; a left press
// on a selector cell selects it as SPACE there; the wheel scrolls the bank.
#include "area/editor_pointer.h"

#include <algorithm>

#include "area/block.h"
#include "area/editor_cursor.h"
#include "area/editor_keys.h"
#include "area/editor_state.h"
#include "area/editor_windows.h"
#include "area/history.h"
#include "draw/window_hit.h"
#include "runtime/state_records.h"

namespace {

enum class Drag { None, Paint, Mark };

struct AreaEditorPointerRecord {
  Drag drag;
  PaintTrail trail;  // of a painting drag
  int wheelRest;     // the wheel's turn short of a notch
};

AreaEditorPointerRecord AreaEditorPointer;
StateRecord ListedAreaEditorPointer{"AreaEditorPointer", AreaEditorPointer,
                                    [] { AreaEditorPointer = {}; }};

// Each key comes after the cursor step of its own turn, as in the loop.
void AsKey(OsWParam key) {
  CursorStep();
  HandleAreaEditorKey(key);
}

void Activate(std::int32_t window) {
  if (AreaEditorState.activeWindow != window) AsKey(VK_TAB);
}

void SetCursor(WindowPosition at) {
  AreaEditorState.cursorX = static_cast<std::int32_t>(at.column);
  AreaEditorState.cursorY = static_cast<std::int32_t>(at.row);
}

// As arrow keys without Shift: inside one window they never scroll.
void ArrowsTo(WindowPosition at) {
  CursorStep();
  StopMarking();
  SetCursor(at);
}

// As Shift+arrows in the editor window: the block's end follows the cursor.
void ShiftArrowsTo(WindowPosition at) {
  CursorStep();
  MarkFromCursor();
  SetCursor(at);
  ExtendBlock();
}

bool CellAt(std::int32_t window, const OsMessage& message, WindowPosition& at) {
  return PositionAt(AreaEditorState.windows[window], PositionSide, PositionSide,
                    PointerX(message.lParam), PointerY(message.lParam), at);
}

void PaintAt(WindowPosition at) {
  ArrowsTo(at);
  AsKey(VK_SPACE);
}

void EndDrag() {
  if (AreaEditorPointer.drag == Drag::Paint) ReleaseStep();
  AreaEditorPointer.drag = Drag::None;
}

void PressLeft(const OsMessage& message) {
  WindowPosition at;
  if (CellAt(EditorWindow, message, at)) {
    Activate(EditorWindow);
    if ((message.wParam & MK_SHIFT) != 0) {
      ArrowsTo(at);
      AreaEditorPointer.drag = Drag::Mark;
      return;
    }
    HoldStep();
    AreaEditorPointer.drag = Drag::Paint;
    PaintOn(AreaEditorPointer.trail, at, PaintAt);
    return;
  }
  // The places past the bank's last cell select nothing.
  if (CellAt(SelectorWindow, message, at) &&
      SelectorCellAt(static_cast<std::int32_t>(at.column), static_cast<std::int32_t>(at.row)) !=
          NoCell) {
    Activate(SelectorWindow);
    ArrowsTo(at);
    AsKey(VK_SPACE);
  }
}

void PressRight(const OsMessage& message) {
  WindowPosition at;
  if (!CellAt(EditorWindow, message, at)) return;
  Activate(EditorWindow);
  ArrowsTo(at);
  AsKey('G');
}

void MovePointer(const OsMessage& message) {
  AreaEditorPointerRecord& pointer = AreaEditorPointer;
  WindowPosition at;
  auto onEditor = [](const OsMessage& m, WindowPosition& to) {
    return CellAt(EditorWindow, m, to);
  };
  if (pointer.drag == Drag::None || !DragMovesTo(message, EndDrag, onEditor, pointer.trail, at))
    return;
  if (pointer.drag == Drag::Mark) {
    if (static_cast<std::int32_t>(at.column) != AreaEditorState.cursorX ||
        static_cast<std::int32_t>(at.row) != AreaEditorState.cursorY)
      ShiftArrowsTo(at);
    return;
  }
  PaintDragTo(pointer.trail, at, PaintAt);
}

// A notch scrolls the bank one row, as UP or DOWN at the selector's edge
// rows; the cursor keeps its place in the window.
void Wheel(const OsMessage& message) {
  WindowPosition at;
  if (!CellAt(SelectorWindow, message, at)) return;
  int notches = WheelNotches(message.wParam, AreaEditorPointer.wheelRest);
  std::int32_t& scroll = AreaEditorState.selectorScrollRow;
  std::int32_t row = std::clamp(scroll - notches, 0, SelectorScrollLimit);
  if (row == scroll) return;
  scroll = row;
  DrawSelectorWindow();
}

}  // namespace

void HandleAreaEditorPointer(const OsMessage& message) {
  static constexpr PointerActions Actions = {PressLeft, PressRight, MovePointer, Wheel, EndDrag};
  DispatchPointer(Actions, message);
}

void EndAreaEditorDragAtKey(OsWParam key) {
  if (EndsDrag(key)) EndDrag();
}
