// The area being edited (the EditGrid) and the 256 area slots it is loaded
// from and stored to: F2, numpad + and -, Delete and Insert.
#pragma once

#include "area/edit_grid.h"

void LoadArea();
void StoreArea();
void NextArea();
void PreviousArea();
void DeleteArea();
void InsertArea();
