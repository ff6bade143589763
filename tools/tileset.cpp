// The cell bank as a tileset image: 16 x 16 cells of 16 x 16 pixels, cell n at
// column n mod 16 and row n div 16, with the 6-bit palette as 8-bit colours.
#include "tools/tileset.h"

#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "files/area_set.h"
#include "tools/cli.h"

namespace {

void ImageToCells(const std::vector<std::uint8_t>& indices, std::uint8_t* dap) {
  for (int cell = 0; cell < 256; ++cell)
    for (int v = 0; v < 16; ++v)
      std::memcpy(dap + CellBytes * cell + 16 * v,
                  &indices[TilesetSide * TilesetY(cell, v) + TilesetX(cell, 0)], 16);
}

// "palette entries 3, 9: WHAT"
std::string EntriesWarning(const std::vector<int>& entries, const std::string& what) {
  return std::string(entries.size() == 1 ? "palette entry " : "palette entries ") +
         DescribeNumbers(entries.data(), entries.size()) + ": " + what;
}

bool IndexedToBank(const PngImage& image, std::uint8_t* dap, std::vector<std::string>& warnings) {
  ImageToCells(image.pixels, dap);
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
  std::vector<int> beyond;
  bool used[256] = {};
  for (std::uint8_t index : image.pixels) used[index] = true;
  for (std::size_t i = entries; i < 256; ++i)
    if (used[i]) beyond.push_back(static_cast<int>(i));
  if (!beyond.empty())
    warnings.push_back(EntriesWarning(beyond, "used by pixels, but past the end of the image's " +
                                                  std::to_string(entries) +
                                                  "-entry palette, so black"));
  return true;
}

// The 16 colours of the VGA text palette in 6 bits: the interface draws its
// frames and digits, and cycles the cursor, through entries 0..15.
constexpr std::uint8_t TextColours[16][3] = {
    {0, 0, 0},    {0, 0, 42},   {0, 42, 0},   {0, 42, 42},  {42, 0, 0},   {42, 0, 42},
    {42, 21, 0},  {42, 42, 42}, {21, 21, 21}, {21, 21, 63}, {21, 63, 21}, {21, 63, 63},
    {63, 21, 21}, {63, 21, 63}, {63, 63, 21}, {63, 63, 63},
};
constexpr int FirstImageEntry = 16;

// A reduced colour's entry in a given palette: the first that holds it.
int EntryOf(const std::uint8_t* palette, std::uint32_t reduced) {
  for (int i = 0; i < 256; ++i)
    if (((std::uint32_t{palette[3 * i]} << 16) | (palette[3 * i + 1] << 8) | palette[3 * i + 2]) ==
        reduced)
      return i;
  return -1;
}

bool RgbToBank(const PngImage& image, const std::uint8_t* givenPalette, std::uint8_t* dap,
               std::vector<std::string>& warnings, std::string& error) {
  std::uint8_t* palette = dap + CellBankPaletteOffset;
  std::memset(palette, 0, 768);
  int first = 0;
  int room = 256;
  if (givenPalette != nullptr) {
    std::memcpy(palette, givenPalette, 768);
  } else {
    std::memcpy(palette, TextColours, sizeof TextColours);
    first = FirstImageEntry;
    room = 256 - FirstImageEntry;
  }
  // Reduced colour -> entry; full colour -> reduced colour, to see merges.
  std::unordered_map<std::uint32_t, int> entryOf;
  std::unordered_map<std::uint32_t, std::uint32_t> fullColours;
  std::vector<std::uint8_t> indices(image.pixels.size() / 3);
  std::vector<bool> lossy(256, false);
  for (std::size_t i = 0; i < indices.size(); ++i) {
    const std::uint8_t* rgb = &image.pixels[3 * i];
    std::uint32_t full = (std::uint32_t{rgb[0]} << 16) | (rgb[1] << 8) | rgb[2];
    std::uint32_t reduced = (full >> 2) & 0x3F3F3F;
    fullColours.emplace(full, reduced);
    auto found = entryOf.find(reduced);
    int entry;
    if (found != entryOf.end()) {
      entry = found->second;
    } else if (givenPalette != nullptr) {
      entry = EntryOf(palette, reduced);
      if (entry < 0) {
        char where[64];
        std::snprintf(where, sizeof where, "the colour of pixel (%zu, %zu)", i % TilesetSide,
                      i / TilesetSide);
        error = std::string(where) + " is not in the palette given with --palette";
        return false;
      }
      entryOf.emplace(reduced, entry);
    } else {
      entry = first + static_cast<int>(entryOf.size());
      entryOf.emplace(reduced, entry);
      if (entry < 256) {
        palette[3 * entry] = rgb[0] >> 2;
        palette[3 * entry + 1] = rgb[1] >> 2;
        palette[3 * entry + 2] = rgb[2] >> 2;
      }
    }
    if (entry < 256) {
      indices[i] = static_cast<std::uint8_t>(entry);
      if ((full & 0x030303) != 0) lossy[entry] = true;
    }
  }
  if (static_cast<int>(entryOf.size()) > room) {
    error = std::to_string(entryOf.size()) +
            " distinct colours after the reduction to 6 bits per component; entries 0-15 keep "
            "the interface's 16 colours, so an image may have at most 240 (or give the whole "
            "palette with --palette FILE)";
    return false;
  }
  ImageToCells(indices, dap);
  std::vector<int> lossyEntries;
  for (int i = 0; i < 256; ++i)
    if (lossy[i]) lossyEntries.push_back(i);
  if (!lossyEntries.empty())
    warnings.push_back(EntriesWarning(lossyEntries, "made from colours whose low 2 bits are lost"));
  if (fullColours.size() > entryOf.size())
    warnings.push_back(std::to_string(fullColours.size()) + " colours become " +
                       std::to_string(entryOf.size()) + " in the 6-bit palette");
  if (image.translucentPixels != 0)
    warnings.push_back(std::to_string(image.translucentPixels) +
                       " pixels are not opaque; their alpha is ignored");
  return true;
}

}  // namespace

bool TilesetToBank(const PngImage& image, const std::uint8_t* palette, std::uint8_t* dap,
                   std::vector<std::string>& warnings, std::string& error) {
  if (image.width != TilesetSide || image.height != TilesetSide) {
    error = std::to_string(image.width) + " x " + std::to_string(image.height) +
            " pixels, not 256 x 256";
    return false;
  }
  if (image.indexed && palette == nullptr) return IndexedToBank(image, dap, warnings);
  if (image.indexed) {
    ImageToCells(image.pixels, dap);
    std::memcpy(dap + CellBankPaletteOffset, palette, 768);
    return true;
  }
  return RgbToBank(image, palette, dap, warnings, error);
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
