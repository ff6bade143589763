// Ctrl+H: every use of the cell under the editor window's cursor becomes the
// selected cell, inside the marked block, in the edited area or everywhere.
#pragma once

#include <cstdint>

#include "area/cell_uses.h"

enum class ReplaceScope {
  Block,       // the marked block of the edited area
  EditedArea,  // the edited area only
  AllAreas,    // the edited area and all 256 slots
};

// The key: with a block marked it replaces inside it; otherwise it asks
// whether to replace in all areas (Yes), in the edited area (No) or not at
// all (Cancel, the default). Nothing happens when the two cells are the same.
void ReplaceCellKey();
// The replacing itself, ids taken from the cell-id table as placing a cell
// takes them; the editor window is drawn and the status told. Returns the
// uses replaced, counted as the question counts them: the edited area as
// edited, the other areas as stored.
CellUses ReplaceCell(std::uint8_t old, ReplaceScope scope);
