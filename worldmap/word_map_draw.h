// The Word Map's drawing and editing operations: area thumbnails and
// previews, the two windows, the cursor with the pixels under it, and SPACE.
// All of them draw at full resolution, straight onto the locked frame.
#pragma once

#include <cstdint>

// Where the preview of the area under the cursor stands.
constexpr int CursorPreviewX = 0, CursorPreviewY = 100;

constexpr int PreviewWidth = 128, PreviewHeight = 80;

// The 32 x 20 thumbnail and the 128 x 80 preview of an area, top left at
// screen (x, y).
void DrawAreaThumbnail(std::uint8_t area, int x, int y);
void DrawAreaPreview(std::uint8_t area, int x, int y);
// The preview of an area, or ground in its place for a number past the last
// area.
void DrawPreviewOrGround(std::uint32_t area, int x, int y);

// Whole-window redraws; each takes the cursor background afresh.
void DrawMapWindow();
void DrawAreaPicker();

// The slot (column, row) of the active window on screen.
int WordMapSlotX(std::uint32_t column);
int WordMapSlotY(std::uint32_t row);

void CaptureWordMapBackground(int x, int y);
void RestoreWordMapBackground(int x, int y);
// The corner brackets, doubled, in the cursor colour, over the slot at (x, y).
void DrawWordMapCursorMask(int x, int y);
// The per-turn cursor step: erase, capture, draw, cursor preview.
void RedrawWordMapCursor();
// The cursor step of a turn: redraw, then remember.
void WordMapCursorStep();
// Around a redraw of the whole screen: keeps what lies under the cursor and
// its remembered slot, then puts both back and draws the cursor and the
// cursor preview as they showed.
void KeepWordMapCursor();
void ShowKeptWordMapCursor();
// The cursor's position becomes the one the next erase works at.
void RememberWordMapCursor();
// After a window redraw painted over the cursor: remember it and take its
// background afresh.
void RetakeWordMapBackground();

// SPACE in the map window and in the area picker.
void PlaceSelectedArea();
void SelectPickerArea();
// The preview of the selected area, top left.
void DrawSelectedAreaPreview();
