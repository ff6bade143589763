// Whole-screen operations: clearing the screen or a region of it, and copying
// it into a screen store and back, rows packed 640 bytes apart whatever the
// frame pitch.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/display.h"

// A copy of the whole screen.
constexpr std::size_t ScreenStoreSize = ScreenWidth * ScreenHeight;

void ClearScreen();
// Fills the width x height pixels at screen (x, y) with palette index 0; the
// frame must be locked.
void ClearRegion(int x, int y, int width, int height);
void SaveScreen(std::uint8_t* store);
void RestoreScreen(const std::uint8_t* store);
