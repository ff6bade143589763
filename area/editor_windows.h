// The editor window, the selector window and the selected-cell preview, and
// the commands that move cells between them.
#pragma once

#include <cstdint>

// Draws cell `cell` doubled with its top-left pixel at screen (x, y); the
// frame must be locked.
void DrawCell(std::uint32_t cell, int x, int y);

// What names no cell: the selector's positions past the bank's last cell.
constexpr std::int32_t NoCell = -1;
// The bank cell at selector position (x, y) as scrolled now, 20 to a bank
// row; NoCell past cell 255.
std::int32_t SelectorCellAt(std::int32_t x, std::int32_t y);
// The cell under the cursor in the active window: the editor window's cell as
// shown, or the selector's bank cell (NoCell on an empty position).
std::int32_t CellUnderCursor();
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
