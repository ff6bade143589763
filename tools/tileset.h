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
// - RGB: every colour is reduced to 6 bits per component. Entries 0..15 keep
//   the 16 colours of the VGA text palette, which the interface draws with;
//   the image's distinct colours get entries from 16 on, in the order in
//   which they first appear, reading row by row from the top left. More than
//   240 is refused.
// A `palette` (768 bytes, 6 bits a component) is the whole palette instead:
// an RGB image's colours take the first entry that holds them, and a colour
// it lacks is refused. Losses (bits dropped, colours merged, alpha ignored)
// come back as warnings.
bool TilesetToBank(const PngImage& image, const std::uint8_t* palette, std::uint8_t* dap,
                   std::vector<std::string>& warnings, std::string& error);

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
