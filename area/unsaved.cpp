// Placeholder until the set's saved state is tracked: reports no changes, so
// nothing is marked unsaved.
#include "area/unsaved.h"

bool UnsavedChanges() { return false; }
