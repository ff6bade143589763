// The cell bank as a tileset image: 16 x 16 cells of 16 x 16 pixels, cell n at
// column n mod 16 and row n div 16, with the 6-bit palette as 8-bit colours;
// and any image of whole cells put into a bank from a given cell on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/png_read.h"

constexpr int TilesetSide = 256;  // pixels; 16 cells of 16 pixels
constexpr int TilesetColumns = 16;

// How an imported image's colours become palette entries, and where its cells
// go in the bank.
struct TilesetOptions {
  const std::uint8_t* palette = nullptr;  // the whole palette: 768 bytes, 6 bits a component
  bool keepPalette = false;               // an indexed image's own palette, exactly
  int at = 0;                             // the bank cell of the image's first cell
};

// The number of cells of an image whose sides are multiples of 16, taken row
// by row from the top left, when they fit in the bank from cell `at` on;
// otherwise 0, with the reason.
int TilesetCells(const PngImage& image, int at, std::string& error);

// A bank of blank cells (every pixel entry 0) whose palette holds the
// interface's 16 colours at entries 0..15, and black after them.
void BlankBank(std::uint8_t* dap);

// Puts the image's cells into the bank (the first 66304 bytes of a Cells.dap
// image) from cell options.at on; the other cells keep their bitmaps.
// - options.palette is the whole palette: an indexed image's indices stay as
//   they are, an RGB image's colours take the first entry that holds them,
//   and a colour it lacks is refused.
// - options.keepPalette: an indexed image's indices and palette stay as they
//   are, each palette component v as v >> 2, entries past the end of a short
//   palette black.
// - Otherwise an indexed image whose entries 0..15 are the interface's 16
//   colours, and whose palette agrees with the bank's on every entry the
//   other cells use, is taken so too. Every other image has its colours,
//   reduced to 6 bits per component, mapped: entries 0..15 and those the
//   other cells use stay as they are; a colour that one of those from 16 on
//   holds takes it, and the others take the remaining entries from 16 on, in
//   the order in which they first appear, reading row by row from the top
//   left. More than fit is refused.
// Losses (bits dropped, colours merged, alpha ignored) come back as warnings.
bool TilesetToBank(const PngImage& image, const TilesetOptions& options, std::uint8_t* dap,
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
