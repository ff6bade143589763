// The cell bank as a tileset image: 16 x 16 cells of 16 x 16 pixels, cell n at
// column n mod 16 and row n div 16, with the 6-bit palette as 8-bit colours.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/png_read.h"

constexpr int TilesetSide = 256;  // pixels; 16 cells of 16 pixels
constexpr int TilesetColumns = 16;

// Fills the 256 cell bitmaps and the palette (the first 66304 bytes of a
// Cells.dap image) from a 256 x 256 image.
// - Indexed: the indices as they are; palette entry v becomes v >> 2, and
//   entries past the end of a short palette are 0.
// - RGB: every colour is reduced to 6 bits per component; the distinct
//   colours get palette entries in the order in which they first appear,
//   reading the image row by row from the top left. More than 256 is refused.
// Losses (bits dropped, colours merged, alpha ignored) come back as warnings.
bool TilesetToBank(const PngImage& image, std::uint8_t* dap, std::vector<std::string>& warnings,
                   std::string& error);

// The 256 x 256 tileset image of the bank's cells, one index per pixel.
void BankToTileset(const std::uint8_t* dap, std::uint8_t* pixels);

// The bank's palette as the display shows it: each 6-bit component v becomes
// 4v, within a byte.
void BankPaletteToRgb(const std::uint8_t* dap, std::uint8_t* rgb);

// Palette entries with a component above 63, which do not come back the same
// from an image.
std::vector<int> OutOfRangePaletteEntries(const std::uint8_t* dap);

// The tileset pixel (x, y) for pixel (u, v) of cell n.
inline int TilesetX(int cell, int u) { return 16 * (cell % TilesetColumns) + u; }
inline int TilesetY(int cell, int v) { return 16 * (cell / TilesetColumns) + v; }
