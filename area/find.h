// Ctrl+F and Ctrl+Shift+F: the next and the previous use of the selected cell.
#pragma once

// Searches from the editor window's cursor: the rest of the edited area,
// then the other areas in turn (wrapping from 255 to 0), then the edited
// area up to the cursor; backwards in the opposite order. The edited area
// is searched as edited, the others as stored. A use in another area is
// reached as going to its number reaches it; the cursor then moves onto the
// use and the editor window becomes active.
void FindCellUse(bool backwards);
