// Whether the set in memory differs from what was last opened or saved.
#pragma once

bool UnsavedChanges();
