// The key dispatcher of the area editor: a first group of commands, the rule
// that ends a block selection, the block's end corner, then a second group.
#include "area/editor_keys.h"

#include "area/area_slots.h"
#include "area/block.h"
#include "area/editor_cursor.h"
#include "area/editor_state.h"
#include "area/editor_windows.h"
#include "area/history.h"
#include "area/history_keys.h"
#include "runtime/messages.h"
#include "runtime/status_events.h"
#include "screens/animation_preview.h"
#include "screens/help_page.h"
#include "worldmap/word_map.h"

namespace {

constexpr OsWParam KeyC = 'C', KeyG = 'G', KeyV = 'V';

bool EditorActive() { return AreaEditorState.activeWindow == EditorWindow; }

// Shift+arrow in the editor marks a block; any other arrow stops the blink.
void SettleBlockForArrow() {
  if (EditorActive() && ShiftHeld()) {
    if (BlockState.code != BlockSelecting) StartBlock();
  } else {
    BlockState.code = BlockIdle;
    BlockState.blinking = false;
  }
}

void ArrowUp() {
  SettleBlockForArrow();
  AreaEditorState.cursorY -= 1;
  if (AreaEditorState.cursorY < 0) {
    AreaEditorState.cursorY = 0;
    if (!EditorActive()) {
      if (AreaEditorState.selectorScrollRow > 0) AreaEditorState.selectorScrollRow -= 1;
      DrawSelectorWindow();
    }
  }
}

void ArrowDown() {
  SettleBlockForArrow();
  auto height = static_cast<std::int32_t>(ActiveWindow().height);
  AreaEditorState.cursorY += 1;
  if (AreaEditorState.cursorY >= height) {
    AreaEditorState.cursorY = height - 1;
    if (!EditorActive()) {
      if (AreaEditorState.selectorScrollRow < 10) AreaEditorState.selectorScrollRow += 1;
      DrawSelectorWindow();
    }
  }
}

void ArrowLeft() {
  SettleBlockForArrow();
  AreaEditorState.cursorX -= 1;
  if (AreaEditorState.cursorX < 0) {
    AreaEditorState.cursorX = static_cast<std::int32_t>(ActiveWindow().width) - 1;
    ArrowUp();
  }
}

void ArrowRight() {
  SettleBlockForArrow();
  AreaEditorState.cursorX += 1;
  if (AreaEditorState.cursorX >= static_cast<std::int32_t>(ActiveWindow().width)) {
    AreaEditorState.cursorX = 0;
    ArrowDown();
  }
}

void FirstGroup(OsWParam key) {
  switch (key) {
    case VK_LEFT: ArrowLeft(); break;
    case VK_RIGHT: ArrowRight(); break;
    case VK_UP: ArrowUp(); break;
    case VK_DOWN: ArrowDown(); break;
    case VK_SPACE: EditorActive() ? PlaceSelectedCell() : SelectBankCell(); break;
    case VK_TAB: SwitchAreaEditorWindow(); break;
    case VK_ADD: NextArea(); break;
    case VK_SUBTRACT: PreviousArea(); break;
    case VK_F2:
      StoreArea();
      ReportEvent("Area %d stored", AreaEditorState.currentArea);
      break;
    case VK_F3: SaveAreaSet(); break;
    case VK_INSERT: InsertArea(); break;
    case VK_DELETE: DeleteArea(); break;
    case VK_F4: RunAnimationPreview(); break;
    case KeyG:
      if (EditorActive()) GetCellUnderCursor();
      break;
    case 'Z':
    case 'Y': MoveThroughHistoryInAreaEditor(key); break;
    default: break;
  }
}

void SecondGroup(OsWParam key) {
  switch (key) {
    case KeyC:
      if (EditorActive()) CopyBlock();
      break;
    case KeyV:
      if (EditorActive()) PasteBlock();
      break;
    case VK_F1: ShowHelpPage(); break;
    case VK_F5: RunWordMap(); break;
    default: break;
  }
}

}  // namespace

void HandleAreaEditorKey(OsWParam wParam) {
  OsWParam key = wParam & 0xFF;
  FirstGroup(key);
  // The block end rule looks at the whole wParam, not just its low byte.
  if (!ShiftHeld() && EditorActive() && wParam != KeyC && wParam != VK_LEFT && wParam != VK_RIGHT &&
      wParam != VK_UP && wParam != VK_DOWN)
    ClearBlockSelection();
  if (EditorActive()) ExtendBlock();
  SecondGroup(key);
  RecordStep();
}

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
