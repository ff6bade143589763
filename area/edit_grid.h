// The area being edited: its cells and ids as edited and as shown, the area
// the last Delete cleared, and the area the last block copy saw.
#pragma once

#include <cstdint>

#include "files/area_set.h"

struct EditGridRecord {
  std::uint8_t displayLayer[AreaCells];        // what the editor window shows
  std::uint8_t idLayer[AreaCells];             // the ids of the cell layer's cells
  std::uint8_t backupGrid[AreaRecordSize];     // the area cleared by the last Delete
  std::uint8_t clipboardGrid[AreaRecordSize];  // the area as the last block copy saw it
  std::uint8_t cellLayer[AreaCells];           // the area as edited
};

extern EditGridRecord EditGrid;
