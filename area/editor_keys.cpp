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
#include "area/fill.h"
#include "area/find.h"
#include "area/go_to.h"
#include "area/history.h"
#include "area/history_keys.h"
#include "area/replace.h"
#include "area/selector_paging.h"
#include "area/window_switch.h"
#include "runtime/messages.h"
#include "runtime/status_events.h"
#include "screens/animation_preview.h"
#include "screens/help_page.h"
#include "worldmap/word_map.h"

namespace {

constexpr OsWParam KeyC = 'C', KeyF = 'F', KeyG = 'G', KeyH = 'H', KeyV = 'V';

bool EditorActive() { return AreaEditorState.activeWindow == EditorWindow; }

// Shift+arrow in the editor marks a block; any other arrow stops the blink.
void SettleBlockForArrow() { EditorActive() && ShiftHeld() ? MarkFromCursor() : StopMarking(); }

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

// Ctrl+F finds the next use of the selected cell (Shift: the one before);
// F alone fills from the cursor in the editor window.
void FindOrFill() {
  if (ControlHeld())
    FindCellUse(ShiftHeld());
  else if (EditorActive())
    FillWithSelectedCell();
}

// Ctrl+H replaces the selected cell; H alone does nothing.
void ReplaceOnControl() {
  if (ControlHeld()) ReplaceCellKey();
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
    {KeyF, BeforeBlockEnd, AnyWindow, FindOrFill},
    {KeyH, BeforeBlockEnd, AnyWindow, ReplaceOnControl},
    {VK_PRIOR, BeforeBlockEnd, SelectorWindowOnly, [] { PageSelector(false); }},
    {VK_NEXT, BeforeBlockEnd, SelectorWindowOnly, [] { PageSelector(true); }},
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
  // A number being typed takes digits, Backspace, Esc and Enter first.
  if (!GoToKeyInAreaEditor(key)) RunKeyRow(key, BeforeBlockEnd);
  if (EndsBlock(wParam)) ClearBlockSelection();
  if (EditorActive()) ExtendBlock();
  RunKeyRow(key, AfterBlockEnd);
  RecordStep();
}
