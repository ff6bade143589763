// The status view of the editors' state, which the frame wait hands down.
#pragma once

#include "platform/status.h"

// Fills the status from the program's state: the set's name and whether it
// is saved, and the cursor of the editor in front.
void FillStatus(OsStatus& status);
