// F in the editor window: the marked block, or the region of equal cells
// joined to the one under the cursor, becomes the selected cell.
#pragma once

// Fills the marked block while one is marked, else flood-fills from the
// cursor; then draws the editor window.
void FillWithSelectedCell();
// The flood fill alone: the cell at `start` and every cell joined to it
// through left, right, up and down neighbours holding the same number.
void FloodFill(int start);
