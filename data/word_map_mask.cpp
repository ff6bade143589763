// The cursor mask of the Word Map: four corner brackets over one 32 x 20
// slot, drawn doubled. A '#' marks a cursor pixel.
#include "data/tables.h"

namespace {

constexpr const char* WordMapCursorRows[10] = {
    "#####......#####", "#..............#", "#..............#", "#..............#",
    "#..............#", "#..............#", "#..............#", "#..............#",
    "#..............#", "#####......#####",
};

constexpr std::array<std::uint8_t, 16 * 10> MakeWordMapCursorMask() {
  std::array<std::uint8_t, 16 * 10> mask{};
  for (int v = 0; v < 10; ++v)
    for (int u = 0; u < 16; ++u) mask[16 * v + u] = WordMapCursorRows[v][u] == '#' ? 15 : 0;
  return mask;
}

}  // namespace

const std::array<std::uint8_t, 16 * 10> WordMapCursorMask = MakeWordMapCursorMask();
