// The cursor mask of the area editor: four corner brackets over one cell,
// drawn doubled. A '#' marks a cursor pixel.
#include "data/tables.h"

namespace {

constexpr const char* CursorRows[16] = {
    "#####......#####", "#..............#", "#..............#", "#..............#",
    "#..............#", "................", "................", "................",
    "................", "................", "................", "#..............#",
    "#..............#", "#..............#", "#..............#", "#####......#####",
};

constexpr std::array<std::uint8_t, 256> MakeCursorMask() {
  std::array<std::uint8_t, 256> mask{};
  for (int v = 0; v < 16; ++v)
    for (int u = 0; u < 16; ++u) mask[16 * v + u] = CursorRows[v][u] == '#' ? 1 : 0;
  return mask;
}

}  // namespace

const std::array<std::uint8_t, 256> CursorMask = MakeCursorMask();
