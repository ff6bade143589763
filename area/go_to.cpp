// The number typed after a digit, and what Enter does with it in the area
// editor's two windows.
#include "area/go_to.h"

#include <cstdio>

#include "area/area_slots.h"
#include "area/editor_state.h"
#include "area/editor_windows.h"
#include "runtime/state_records.h"
#include "runtime/status_events.h"

namespace {

constexpr int MostDigits = 3;
constexpr int LargestNumber = 255;

struct NumberTypingRecord {
  int digits;  // 0 while no number is typed
  int value;
};

NumberTypingRecord Typing;
StateRecord ListedTyping{"Typing", Typing, [] { Typing = {}; }};

int DigitOf(OsWParam key) {
  if (key >= '0' && key <= '9') return static_cast<int>(key - '0');
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9) return static_cast<int>(key - VK_NUMPAD0);
  return -1;
}

void ShowTyping(const char* what) {
  char prompt[32];
  std::snprintf(prompt, sizeof prompt, "Go to %s: %d", what, Typing.value);
  ShowStatusPrompt(Typing.digits > 0 ? prompt : "");
}

void Drop() {
  Typing = {};
  ShowStatusPrompt("");
}

}  // namespace

NumberKey TypeNumber(OsWParam key, const char* what, int& number) {
  if (int digit = DigitOf(key); digit >= 0) {
    if (Typing.digits < MostDigits) {
      Typing.value = 10 * Typing.value + digit;
      ++Typing.digits;
    }
    ShowTyping(what);
    return NumberKey::Taken;
  }
  bool typing = Typing.digits > 0;
  if (typing && key == VK_BACK) {
    --Typing.digits;
    Typing.value /= 10;
    ShowTyping(what);
    return NumberKey::Taken;
  }
  if (typing && key == VK_ESCAPE) {
    Drop();
    return NumberKey::Taken;
  }
  if (typing && key == VK_RETURN) {
    number = Typing.value;
    Drop();
    if (number <= LargestNumber) return NumberKey::Enter;
    ReportEvent("There is no %s %d: they go from 0 to %d", what, number, LargestNumber);
    return NumberKey::Taken;
  }
  if (typing) Drop();
  return NumberKey::Other;
}

void SelectCellNumber(int cell) {
  AreaEditorStateRecord& state = AreaEditorState;
  const int width = static_cast<int>(state.windows[SelectorWindow].width);
  const int height = static_cast<int>(state.windows[SelectorWindow].height);
  int row = cell / width;
  if (row < state.selectorScrollRow) state.selectorScrollRow = row;
  if (row >= state.selectorScrollRow + height) state.selectorScrollRow = row - height + 1;
  state.cursorX = cell % width;
  state.cursorY = row - state.selectorScrollRow;
  DrawSelectorWindow();
  SelectBankCell();
}

bool GoToKeyInAreaEditor(OsWParam key) {
  bool inEditor = AreaEditorState.activeWindow == EditorWindow;
  int number = 0;
  switch (TypeNumber(key, inEditor ? "area" : "cell", number)) {
    case NumberKey::Other: return false;
    case NumberKey::Taken: return true;
    case NumberKey::Enter: break;
  }
  if (inEditor)
    ReachArea(number);
  else
    SelectCellNumber(number);
  return true;
}
