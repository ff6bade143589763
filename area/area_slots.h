// The area being edited (the EditGrid) and the 256 area slots it is loaded
// from and stored to: F2, numpad + and -, Delete and Insert.
#pragma once

#include "area/edit_grid.h"
#include "files/data_files.h"

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
// Stores the edited area into its slot, then writes the set; true when it was
// written. Without a mode, as F3 asks: Shift+F3 chooses a name.
bool SaveAreaSet(SaveMode mode);
bool SaveAreaSet();
