// The Word Map's keys, one table: arrows that move the cursor or scroll,
// paging, SPACE, TAB, F3 and the history keys; Esc leaves, and a number being
// typed takes its keys first.
#include "worldmap/word_map_keys.h"

#include "area/area_slots.h"
#include "area/history.h"
#include "area/history_keys.h"
#include "runtime/messages.h"
#include "worldmap/word_map_draw.h"
#include "worldmap/word_map_go_to.h"
#include "worldmap/word_map_history.h"
#include "worldmap/word_map_paging.h"
#include "worldmap/word_map_state.h"

namespace {

bool MapActive() { return WordMapState.activeWindow == MapWindow; }

void RedrawActiveWindow() { MapActive() ? DrawMapWindow() : DrawAreaPicker(); }

// At the edge of a window the cursor stays and the view scrolls, up to its
// limit and never round; the window is drawn again also at the limit.
void ArrowUp() {
  WordMapStateRecord& state = WordMapState;
  if (state.cursorRow > 0) {
    state.cursorRow -= 1;
    return;
  }
  std::uint32_t& scroll = MapActive() ? state.mapScrollRow : state.pickerScrollRow;
  if (scroll > 0) scroll -= 1;
  RedrawActiveWindow();
}

void ArrowDown() {
  WordMapStateRecord& state = WordMapState;
  if (state.cursorRow + 1 < ActiveWordMapWindow().height) {
    state.cursorRow += 1;
    return;
  }
  std::uint32_t& scroll = MapActive() ? state.mapScrollRow : state.pickerScrollRow;
  if (scroll < (MapActive() ? MapScrollLimit : PickerScrollLimit)) scroll += 1;
  RedrawActiveWindow();
}

// In the area picker, left and right walk through the area numbers: past a
// line end the cursor goes on at the other end of the next or previous line.
void ArrowLeft() {
  WordMapStateRecord& state = WordMapState;
  if (state.cursorColumn > 0) {
    state.cursorColumn -= 1;
  } else if (MapActive()) {
    if (state.mapScrollColumn > 0) state.mapScrollColumn -= 1;
    DrawMapWindow();
  } else {
    state.cursorColumn = ActiveWordMapWindow().width - 1;
    ArrowUp();
  }
}

void ArrowRight() {
  WordMapStateRecord& state = WordMapState;
  if (state.cursorColumn + 1 < ActiveWordMapWindow().width) {
    state.cursorColumn += 1;
  } else if (MapActive()) {
    if (state.mapScrollColumn < MapScrollLimit) state.mapScrollColumn += 1;
    DrawMapWindow();
  } else {
    state.cursorColumn = 0;
    ArrowDown();
  }
}

// In which window a row holds.
enum class KeyWhere { AnyWindow, MapWindowOnly, AreaPickerOnly };

struct WordMapKey {
  std::uint32_t key;
  KeyWhere where;
  void (*handler)();
};

using enum KeyWhere;

// Esc leaves the Word Map before any row is looked at.
constexpr WordMapKey WordMapKeys[] = {
    {VK_LEFT, AnyWindow, ArrowLeft},
    {VK_RIGHT, AnyWindow, ArrowRight},
    {VK_UP, AnyWindow, ArrowUp},
    {VK_DOWN, AnyWindow, ArrowDown},
    {VK_SPACE, MapWindowOnly, PlaceSelectedArea},
    {VK_SPACE, AreaPickerOnly, SelectPickerArea},
    {VK_TAB, AnyWindow, SwitchWordMapWindow},
    {VK_PRIOR, AnyWindow, [] { PageWordMap(VK_PRIOR); }},
    {VK_NEXT, AnyWindow, [] { PageWordMap(VK_NEXT); }},
    {VK_HOME, MapWindowOnly, [] { PageWordMap(VK_HOME); }},
    {VK_END, MapWindowOnly, [] { PageWordMap(VK_END); }},
    {VK_F3, AnyWindow, [] { SaveAreaSet(); }},
    {KeyZ, AnyWindow, [] { MoveThroughHistoryInWordMap(KeyZ); }},
    {KeyY, AnyWindow, [] { MoveThroughHistoryInWordMap(KeyY); }},
};

bool Holds(KeyWhere where) { return where == AnyWindow || (where == MapWindowOnly) == MapActive(); }

}  // namespace

bool HandleWordMapKey(std::uint32_t key) {
  // A number being typed takes digits, Backspace, Esc and Enter first.
  if (GoToKeyInWordMap(key)) return false;
  if (key == VK_ESCAPE) return true;
  for (const WordMapKey& row : WordMapKeys) {
    if (row.key != key || !Holds(row.where)) continue;
    row.handler();
    break;
  }
  RecordStep();
  return false;
}

void SwitchWordMapWindow() {
  WordMapStateRecord& state = WordMapState;
  RememberWordMapCursor();
  RestoreWordMapBackground(WordMapSlotX(state.cursorColumn), WordMapSlotY(state.cursorRow));
  state.savedCursor[state.activeWindow] = {state.cursorColumn, state.cursorRow};
  state.activeWindow = 1 - state.activeWindow;
  const WordMapCursor& saved = state.savedCursor[state.activeWindow];
  state.cursorColumn = state.previousColumn = saved.column;
  state.cursorRow = state.previousRow = saved.row;
  CaptureWordMapBackground(WordMapSlotX(state.cursorColumn), WordMapSlotY(state.cursorRow));
}
