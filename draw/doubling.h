// Pixel doubling: one logical pixel covers a 2 x 2 block of screen pixels.
#pragma once

#include <cstddef>
#include <cstdint>

// Draws a width x height bitmap (rows sourceStride bytes apart) doubled into
// target, whose rows are targetPitch bytes apart.
void DrawDoubled(std::uint8_t* target, std::ptrdiff_t targetPitch, const std::uint8_t* source,
                 int width, int height, int sourceStride);
