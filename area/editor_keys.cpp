// The area editor's keys: one table of what each key does, and the order a
// key is handled in: the table's rows that come before the block end rule,
// the rule, the block's end corner, the rows that come after it, and the step
// the history records.
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
      if (AreaEditorState.selectorScrollRow < SelectorScrollLimit)
        AreaEditorState.selectorScrollRow += 1;
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

// Whether a row's handler runs before or after the block end rule.
enum class KeyPhase { BeforeBlockEnd, AfterBlockEnd };
// In which window a row holds.
enum class KeyWhere { AnyWindow, EditorWindowOnly, SelectorWindowOnly };

struct AreaEditorKey {
  OsWParam key;
  KeyPhase phase;
  KeyWhere where;
  void (*handler)();
};

using enum KeyPhase;
using enum KeyWhere;

constexpr AreaEditorKey AreaEditorKeys[] = {
    {VK_LEFT, BeforeBlockEnd, AnyWindow, ArrowLeft},
    {VK_RIGHT, BeforeBlockEnd, AnyWindow, ArrowRight},
    {VK_UP, BeforeBlockEnd, AnyWindow, ArrowUp},
    {VK_DOWN, BeforeBlockEnd, AnyWindow, ArrowDown},
    {VK_SPACE, BeforeBlockEnd, EditorWindowOnly, PlaceSelectedCell},
    {VK_SPACE, BeforeBlockEnd, SelectorWindowOnly, SelectBankCell},
    {VK_TAB, BeforeBlockEnd, AnyWindow, SwitchAreaEditorWindow},
    {VK_ADD, BeforeBlockEnd, AnyWindow, NextArea},
    {VK_SUBTRACT, BeforeBlockEnd, AnyWindow, PreviousArea},
    {VK_F2, BeforeBlockEnd, AnyWindow,
     [] {
       StoreArea();
       ReportEvent("Area %d stored", AreaEditorState.currentArea);
     }},
    {VK_F3, BeforeBlockEnd, AnyWindow, [] { SaveAreaSet(); }},
    {VK_INSERT, BeforeBlockEnd, AnyWindow, InsertArea},
    {VK_DELETE, BeforeBlockEnd, AnyWindow, DeleteArea},
    {VK_F4, BeforeBlockEnd, AnyWindow, RunAnimationPreview},
    {KeyG, BeforeBlockEnd, EditorWindowOnly, GetCellUnderCursor},
    {KeyZ, BeforeBlockEnd, AnyWindow, [] { MoveThroughHistoryInAreaEditor(KeyZ); }},
    {KeyY, BeforeBlockEnd, AnyWindow, [] { MoveThroughHistoryInAreaEditor(KeyY); }},
    {KeyC, AfterBlockEnd, EditorWindowOnly, CopyBlock},
    {KeyV, AfterBlockEnd, EditorWindowOnly, PasteBlock},
    {VK_F1, AfterBlockEnd, AnyWindow, ShowHelpPage},
    {VK_F5, AfterBlockEnd, AnyWindow, RunWordMap},
};

bool Holds(KeyWhere where) {
  return where == AnyWindow || (where == EditorWindowOnly) == EditorActive();
}

// Runs the first row of the phase for the key that holds in the active window.
void RunKeyRow(OsWParam key, KeyPhase phase) {
  for (const AreaEditorKey& row : AreaEditorKeys) {
    if (row.key != key || row.phase != phase || !Holds(row.where)) continue;
    row.handler();
    return;
  }
}

// The block end rule: in the editor window a key ends the marked block as TAB
// does, unless Shift is held or the key is 'C' or an arrow. It looks at the
// whole wParam, not just the code the table matches.
bool EndsBlock(OsWParam wParam) {
  return !ShiftHeld() && EditorActive() && wParam != KeyC && wParam != VK_LEFT &&
         wParam != VK_RIGHT && wParam != VK_UP && wParam != VK_DOWN;
}

}  // namespace

void HandleAreaEditorKey(OsWParam wParam) {
  OsWParam key = KeyCodeOf(wParam);
  RunKeyRow(key, BeforeBlockEnd);
  if (EndsBlock(wParam)) ClearBlockSelection();
  if (EditorActive()) ExtendBlock();
  RunKeyRow(key, AfterBlockEnd);
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
