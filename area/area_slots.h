// The area being edited (the EditGrid) and the 256 area slots it is loaded
// from and stored to: F2, numpad + and -, Delete and Insert.
#pragma once

#include <cstdint>

#include "files/area_set.h"

struct EditGridRecord {
  std::uint8_t displayLayer[AreaCells];        // what the editor window shows
  std::uint8_t idLayer[AreaCells];             // follows the display layer: one AreaRecord shape
  std::uint8_t backupGrid[AreaRecordSize];     // the area cleared by the last Delete
  std::uint8_t clipboardGrid[AreaRecordSize];  // the area as the last block copy saw it
  std::uint8_t cellLayer[AreaCells];           // the area as edited
};

extern EditGridRecord EditGrid;

void LoadArea();
void StoreArea();
void NextArea();
void PreviousArea();
// True when the EditGrid holds what its slot holds: nothing edited is unstored.
bool EditedAreaStored();
// Loads another area as + and - do: its number drawn, the area loaded, the
// selector drawn again. Edits not stored are dropped, and the status says so.
void MoveToArea(std::int32_t area);
// Stores the edited area when it has changes not stored, then moves there.
void ReachArea(std::int32_t area);
void DeleteArea();
void InsertArea();
