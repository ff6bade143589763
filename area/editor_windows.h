// The editor window, the selector window and the selected-cell preview, and
// the commands that move cells between them.
#pragma once

#include <cstdint>

// Draws cell `cell` doubled with its top-left pixel at screen (x, y); the
// frame must be locked.
void DrawCell(std::uint32_t cell, int x, int y);

// The area editor drawn again whole, the cursor where it showed with what lay
// under it kept, so that the next cursor step finds both as they were.
void RedrawAreaEditor();

void DrawEditorWindow();
void DrawSelectorWindow();
void DrawSelectedCellPreview();
// The current area's number, three digits under the editor window.
void DrawAreaNumber();
void PlaceSelectedCell();
void SelectBankCell();
void GetCellUnderCursor();
