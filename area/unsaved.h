// Whether the set in memory differs from the set as last opened or saved.
#pragma once

// Every slot (the edited area counted as the save would store it) and the
// Word Map are compared with the copy taken when the set was opened or saved.
bool UnsavedChanges();
