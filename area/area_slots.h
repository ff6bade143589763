// The area being edited (the EditGrid) and the 256 area slots it is loaded
// from and stored to: F2, numpad + and -, Delete and Insert.
#pragma once

#include "area/edit_grid.h"
#include "files/data_files.h"

void LoadArea();
void StoreArea();
void NextArea();
void PreviousArea();
void DeleteArea();
void InsertArea();
// Stores the edited area into its slot, then writes the set; true when it was
// written. Without a mode, as F3 asks: Shift+F3 chooses a name.
bool SaveAreaSet(SaveMode mode);
bool SaveAreaSet();
