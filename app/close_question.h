// The question before the window closes with changes that are not saved.
#pragma once

// True when the window may close: nothing is unsaved, the user saved it, or
// chose to close without saving. False on Cancel, or when the save failed.
bool MayClose();
