// The cell bank as a tileset image: 16 x 16 cells of 16 x 16 pixels, cell n at
// column n mod 16 and row n div 16, with the 6-bit palette as 8-bit colours;
// and any image of whole cells put into a bank from a given cell on.
#include "tools/tileset.h"

#include <cstring>
#include <unordered_map>

#include "files/area_set.h"
#include "tools/cli.h"

namespace {

// The image's cells, row by row from the top left, into the bank from `at` on.
void ImageToCells(const std::uint8_t* indices, int width, int at, int cells, std::uint8_t* dap) {
  int columns = width / 16;
  for (int k = 0; k < cells; ++k)
    for (int v = 0; v < 16; ++v)
      std::memcpy(dap + CellBytes * (at + k) + 16 * v,
                  indices + width * (16 * (k / columns) + v) + 16 * (k % columns), 16);
}

// "palette entries 3, 9: WHAT"
std::string EntriesWarning(const std::vector<int>& entries, const std::string& what) {
  return std::string(entries.size() == 1 ? "palette entry " : "palette entries ") +
         DescribeNumbers(entries.data(), entries.size()) + ": " + what;
}

// The 16 colours of the VGA text palette in 6 bits: the interface draws its
// frames and digits, and cycles the cursor, through entries 0..15.
constexpr std::uint8_t TextColours[16][3] = {
    {0, 0, 0},    {0, 0, 42},   {0, 42, 0},   {0, 42, 42},  {42, 0, 0},   {42, 0, 42},
    {42, 21, 0},  {42, 42, 42}, {21, 21, 21}, {21, 21, 63}, {21, 63, 21}, {21, 63, 63},
    {63, 21, 21}, {63, 21, 63}, {63, 63, 21}, {63, 63, 63},
};
constexpr int FirstImageEntry = 16;

// The entries that the bank's cells outside [at, at + cells) use.
void EntriesOfOtherCells(const std::uint8_t* dap, int at, int cells, bool* used) {
  for (int cell = 0; cell < 256; ++cell) {
    if (cell >= at && cell < at + cells) continue;
    for (std::size_t i = 0; i < CellBytes; ++i) used[dap[CellBytes * cell + i]] = true;
  }
}

// Whether an indexed image's palette holds, reduced to 6 bits, the colour
// that `palette` has at each entry marked in `wanted`.
bool HoldsColours(const PngImage& image, const std::uint8_t* palette, const bool* wanted) {
  int entries = static_cast<int>(image.palette.size() / 3);
  for (int i = 0; i < 256; ++i) {
    if (!wanted[i]) continue;
    if (i >= entries) return false;
    for (int c = 0; c < 3; ++c)
      if (image.palette[3 * i + c] >> 2 != palette[3 * i + c]) return false;
  }
  return true;
}

// The warning for pixels whose index is past the end of a short palette.
void WarnPastThePalette(const PngImage& image, std::vector<std::string>& warnings) {
  std::size_t entries = image.palette.size() / 3;
  bool used[256] = {};
  for (std::uint8_t index : image.pixels) used[index] = true;
  std::vector<int> beyond;
  for (std::size_t i = entries; i < 256; ++i)
    if (used[i]) beyond.push_back(static_cast<int>(i));
  if (!beyond.empty())
    warnings.push_back(EntriesWarning(beyond, "used by pixels, but past the end of the image's " +
                                                  std::to_string(entries) +
                                                  "-entry palette, so black"));
}

// The image's own palette, each component v as v >> 2, black past its end.
void KeepImagePalette(const PngImage& image, std::uint8_t* dap,
                      std::vector<std::string>& warnings) {
  std::uint8_t* palette = dap + CellBankPaletteOffset;
  std::memset(palette, 0, 768);
  std::size_t entries = image.palette.size() / 3;
  std::vector<int> lossy;
  for (std::size_t i = 0; i < entries; ++i) {
    bool loses = false;
    for (int c = 0; c < 3; ++c) {
      std::uint8_t value = image.palette[3 * i + c];
      palette[3 * i + c] = value >> 2;
      loses = loses || (value & 3) != 0;
    }
    if (loses) lossy.push_back(static_cast<int>(i));
  }
  if (!lossy.empty())
    warnings.push_back(EntriesWarning(lossy, "low 2 bits lost in the 6-bit palette"));
}

std::uint32_t PackedEntry(const std::uint8_t* palette, int i) {
  return (std::uint32_t{palette[3 * i]} << 16) | (palette[3 * i + 1] << 8) | palette[3 * i + 2];
}

// A reduced colour's entry in a given palette: the first that holds it.
int EntryOf(const std::uint8_t* palette, std::uint32_t reduced) {
  for (int i = 0; i < 256; ++i)
    if (PackedEntry(palette, i) == reduced) return i;
  return -1;
}

// Pixel colours (red, green, blue) to palette entries: looked up in a given
// palette; or mapped, a colour that a fixed entry from 16 on holds to that
// entry and the others to the entries from 16 on that are not fixed.
bool ColoursToEntries(const std::vector<std::uint8_t>& rgb, int width, const std::uint8_t* given,
                      const bool* fixed, std::uint8_t* dap, std::vector<std::uint8_t>& indices,
                      std::vector<std::string>& warnings, std::string& error) {
  std::uint8_t* palette = dap + CellBankPaletteOffset;
  if (given != nullptr) std::memcpy(palette, given, 768);
  std::unordered_map<std::uint32_t, int> fixedEntryOf;  // the first fixed entry of a colour
  int fixedAfterText = 0;
  for (int i = FirstImageEntry; i < 256 && given == nullptr; ++i)
    if (fixed[i]) {
      fixedEntryOf.emplace(PackedEntry(palette, i), i);
      ++fixedAfterText;
    }
  // The image's reduced colours -> entry; full colour -> reduced, to see merges.
  std::unordered_map<std::uint32_t, int> entryOf;
  std::unordered_map<std::uint32_t, std::uint32_t> fullColours;
  int next = FirstImageEntry;  // the next entry for a new colour
  int added = 0;               // new colours, counted past the last entry too
  indices.assign(rgb.size() / 3, 0);
  std::vector<bool> lossy(256, false);
  for (std::size_t i = 0; i < indices.size(); ++i) {
    const std::uint8_t* pixel = &rgb[3 * i];
    std::uint32_t full = (std::uint32_t{pixel[0]} << 16) | (pixel[1] << 8) | pixel[2];
    std::uint32_t reduced = (full >> 2) & 0x3F3F3F;
    fullColours.emplace(full, reduced);
    auto found = entryOf.find(reduced);
    int entry;
    if (found != entryOf.end()) {
      entry = found->second;
    } else if (given != nullptr) {
      entry = EntryOf(palette, reduced);
      if (entry < 0) {
        error = "the colour of pixel (" + std::to_string(i % width) + ", " +
                std::to_string(i / width) + ") is not in the palette given with --palette";
        return false;
      }
    } else if (auto kept = fixedEntryOf.find(reduced); kept != fixedEntryOf.end()) {
      entry = kept->second;
    } else {
      while (next < 256 && fixed[next]) ++next;
      entry = next < 256 ? next++ : 256;
      ++added;
      if (entry < 256) {
        palette[3 * entry] = pixel[0] >> 2;
        palette[3 * entry + 1] = pixel[1] >> 2;
        palette[3 * entry + 2] = pixel[2] >> 2;
      }
    }
    if (found == entryOf.end()) entryOf.emplace(reduced, entry);
    if (entry < 256) {
      indices[i] = static_cast<std::uint8_t>(entry);
      if ((full & 0x030303) != 0) lossy[entry] = true;
    }
  }
  int room = 256 - FirstImageEntry - fixedAfterText;
  if (added > room) {
    std::string distinct = std::to_string(entryOf.size()) +
                           " distinct colours after the reduction to 6 bits per component";
    std::string instead = " (or give the whole palette with --palette FILE)";
    if (fixedAfterText == 0)
      error = distinct + "; entries 0-15 keep the interface's 16 colours, so an image may have " +
              "at most " + std::to_string(room) + instead;
    else
      error = distinct + ", " + std::to_string(added) +
              " of them not in the palette entries of the bank's other cells; entries 0-15 stay " +
              "and those cells use " + std::to_string(fixedAfterText) + " more, so at most " +
              std::to_string(room) + " new colours fit" + instead;
    return false;
  }
  std::vector<int> lossyEntries;
  for (int i = 0; i < 256; ++i)
    if (lossy[i]) lossyEntries.push_back(i);
  if (!lossyEntries.empty())
    warnings.push_back(EntriesWarning(lossyEntries, "made from colours whose low 2 bits are lost"));
  if (fullColours.size() > entryOf.size())
    warnings.push_back(std::to_string(fullColours.size()) + " colours become " +
                       std::to_string(entryOf.size()) + " in the 6-bit palette");
  return true;
}

}  // namespace

int TilesetCells(const PngImage& image, int at, std::string& error) {
  std::string size = std::to_string(image.width) + " x " + std::to_string(image.height);
  if (image.width <= 0 || image.height <= 0 || image.width % 16 != 0 || image.height % 16 != 0) {
    error = size + " pixels; a tileset's sides are multiples of 16, the side of a cell";
    return 0;
  }
  long cells = static_cast<long>(image.width / 16) * (image.height / 16);
  if (at + cells > 256) {
    error = size + " pixels hold " + std::to_string(cells) + " cells; from cell " +
            std::to_string(at) + " the bank has room for " + std::to_string(256 - at);
    return 0;
  }
  return static_cast<int>(cells);
}

void BlankBank(std::uint8_t* dap) {
  std::memset(dap, 0, CellBankUsedSize);
  std::memcpy(dap + CellBankPaletteOffset, TextColours, sizeof TextColours);
}

bool TilesetToBank(const PngImage& image, const TilesetOptions& options, std::uint8_t* dap,
                   std::vector<std::string>& warnings, std::string& error) {
  int cells = TilesetCells(image, options.at, error);
  if (cells == 0) return false;
  if (options.keepPalette && !image.indexed) {
    error = "--keep-palette keeps the palette of an indexed PNG, and this one has none";
    return false;
  }
  bool text[256] = {}, others[256] = {};
  for (int i = 0; i < FirstImageEntry; ++i) text[i] = true;
  EntriesOfOtherCells(dap, options.at, cells, others);
  bool keepsText = image.indexed && HoldsColours(image, &TextColours[0][0], text);
  bool keepsOthers = image.indexed && HoldsColours(image, dap + CellBankPaletteOffset, others);
  if (image.indexed && options.palette != nullptr) {
    std::memcpy(dap + CellBankPaletteOffset, options.palette, 768);
  } else if (image.indexed && (options.keepPalette || (keepsText && keepsOthers))) {
    KeepImagePalette(image, dap, warnings);
    WarnPastThePalette(image, warnings);
  } else {
    if (image.indexed) {
      warnings.push_back(
          std::string(keepsText ? "the image's palette changes colours that the bank's other "
                                  "cells use"
                                : "entries 0-15 of the image's palette are not the interface's "
                                  "16 colours") +
          ", so its colours get entries from 16 on (--keep-palette keeps its palette)");
      WarnPastThePalette(image, warnings);
    }
    // Entries 0..15 and those of the other cells keep their colours.
    bool fixed[256];
    for (int i = 0; i < 256; ++i) fixed[i] = text[i] || others[i];
    std::vector<std::uint8_t> indices;
    if (!ColoursToEntries(PngToRgb(image), image.width, options.palette, fixed, dap, indices,
                          warnings, error))
      return false;
    ImageToCells(indices.data(), image.width, options.at, cells, dap);
    if (image.translucentPixels != 0)
      warnings.push_back(std::to_string(image.translucentPixels) +
                         " pixels are not opaque; their alpha is ignored");
    return true;
  }
  ImageToCells(image.pixels.data(), image.width, options.at, cells, dap);
  return true;
}

void BankToTileset(const std::uint8_t* dap, std::uint8_t* pixels) {
  for (int cell = 0; cell < 256; ++cell)
    for (int v = 0; v < 16; ++v)
      std::memcpy(pixels + TilesetSide * TilesetY(cell, v) + TilesetX(cell, 0),
                  dap + CellBytes * cell + 16 * v, 16);
}

void BankPaletteToRgb(const std::uint8_t* dap, std::uint8_t* rgb) {
  for (int i = 0; i < 768; ++i)
    rgb[i] = static_cast<std::uint8_t>(dap[CellBankPaletteOffset + i] << 2);
}

std::vector<int> OutOfRangePaletteEntries(const std::uint8_t* dap) {
  std::vector<int> entries;
  for (int i = 0; i < 256; ++i) {
    const std::uint8_t* entry = dap + CellBankPaletteOffset + 3 * i;
    if (entry[0] > 63 || entry[1] > 63 || entry[2] > 63) entries.push_back(i);
  }
  return entries;
}
