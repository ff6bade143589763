// Where a cell is used in the set: the edited area as it is edited, every
// other area as stored in its slot.
#pragma once

#include <cstdint>

struct CellUses {
  int uses;   // cell positions holding the cell
  int areas;  // areas holding it at least once
};

// The cells of an area as the searches see them: the EditGrid's for the
// edited area, the slot's for any other.
const std::uint8_t* AreaCellsAsSeen(int area);
CellUses CountCellUses(std::uint8_t cell);
// The ending of a counted word: "1 use", "2 uses".
inline const char* PluralEnding(int count) { return count == 1 ? "" : "s"; }
// How many uses of the cell come before position `index` of `area`, counting
// areas from 0 and positions row by row.
int UsesBefore(std::uint8_t cell, int area, int index);
