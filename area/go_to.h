// Going to a number: digits, then Enter. In the editor window the number is
// an area, in the selector a cell; the Word Map takes it as an area too.
#pragma once

#include "platform/platform.h"

enum class NumberKey {
  Other,  // not a key of the number: the number, if any, is dropped
  Taken,  // a digit, Backspace or Esc that changed the number being typed
  Enter,  // Enter with a number from 0 to 255
};

// One key for the number being typed for `what` ("area", "cell"): digits (of
// either keyboard) add one, up to three; Backspace takes one back; Esc drops
// the number. Enter hands over the number when it is 0..255, and refuses a
// larger one with a status message. Backspace, Esc and Enter with no number
// typed are Other, as is every other key; the status line shows the number
// while it is typed.
NumberKey TypeNumber(OsWParam key, const char* what, int& number);

// The area editor's number keys; true when the key was taken by them. Enter
// in the editor window goes to the area, storing the edited one first when
// it has changes not stored; in the selector it selects the cell.
bool GoToKeyInAreaEditor(OsWParam key);
// Selects cell `cell` as SPACE in the selector would, scrolling the selector
// so that its row shows and putting the cursor on it.
void SelectCellNumber(int cell);
