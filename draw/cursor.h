// What the area editor's and the Word Map's cursors share: the blinking
// colour, taking and putting back the pixels under a cursor, and a mask of
// corner brackets drawn doubled.
#pragma once

#include <cstdint>

extern std::uint32_t CursorColourCounter;  // 0..15, the cursor's palette index

// One turn's colour step, round from 15 to 0.
void NextCursorColour();

// Copies the width x height pixels at screen (x, y) into `store`, and back.
void CaptureUnderCursor(std::uint8_t* store, int x, int y, int width, int height);
void RestoreUnderCursor(const std::uint8_t* store, int x, int y, int width, int height);

// Draws every set entry of a maskWidth x maskHeight mask as a 2 x 2 block in
// the cursor colour, the mask's top left at screen (x, y).
void DrawCursorMask(const std::uint8_t* mask, int maskWidth, int maskHeight, int x, int y);
