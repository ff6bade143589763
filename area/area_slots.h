// The area being edited (the EditGrid) and the 256 area slots it is loaded
// from and stored to: F2, numpad + and -, Delete and Insert.
#pragma once

#include <cstdint>

struct EditGridRecord {
  std::uint8_t displayLayer[160];   // what the editor window shows
  std::uint8_t idLayer[160];        // follows the display layer: one AreaRecord shape
  std::uint8_t backupGrid[320];     // the area cleared by the last Delete
  std::uint8_t clipboardGrid[320];  // the area as the last block copy saw it
  std::uint8_t cellLayer[160];      // the area as edited
};

extern EditGridRecord EditGrid;

void LoadArea();
void StoreArea();
void NextArea();
void PreviousArea();
void DeleteArea();
void InsertArea();
