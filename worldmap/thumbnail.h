// The 32 x 20 thumbnail of an area as the Word Map shows it, sampled into any
// 8-bit buffer: the screen, or an image being exported.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int ThumbnailWidth = 32;
constexpr int ThumbnailHeight = 20;

// cellBitmaps: the 256 cells of 256 bytes; areaCells: the 160 cell indices of
// an area record. Each cell becomes the 2 x 2 block at (2i, 2j) of its pixels
// (4, 4), (8, 4), (4, 12) and (8, 12); out's rows are stride bytes apart.
void SampleAreaThumbnail(const std::uint8_t* cellBitmaps, const std::uint8_t* areaCells,
                         std::uint8_t* out, std::size_t stride);
