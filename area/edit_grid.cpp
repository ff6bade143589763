// The record of the area being edited.
#include "area/edit_grid.h"

EditGridRecord EditGrid;
