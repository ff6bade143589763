// The area editor's blinking cursor: the colour counter, the pixels under the
// cursor, and the per-turn step that erases, captures and draws it.
#pragma once

#include <cstdint>

extern std::uint32_t CursorColourCounter;  // 0..15, the cursor's palette index
extern std::uint8_t CursorBackground[32 * 32];

void RedrawCursor();
void EraseCursor();
void CaptureCursorBackground();
void DrawCursorMask();
