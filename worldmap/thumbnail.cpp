// The 32 x 20 thumbnail of an area as the Word Map shows it, sampled into any
// 8-bit buffer: the screen, or an image being exported.
#include "worldmap/thumbnail.h"

#include "files/area_set.h"

void SampleAreaThumbnail(const std::uint8_t* cellBitmaps, const std::uint8_t* areaCells,
                         std::uint8_t* out, std::size_t stride) {
  for (int j = 0; j < AreaRows; ++j) {
    std::uint8_t* top = out + stride * static_cast<std::size_t>(2 * j);
    std::uint8_t* bottom = top + stride;
    for (int i = 0; i < AreaColumns; ++i) {
      const std::uint8_t* cell = cellBitmaps + CellBytes * areaCells[GridIndex(i, j)];
      top[2 * i] = cell[16 * 4 + 4];
      top[2 * i + 1] = cell[16 * 4 + 8];
      bottom[2 * i] = cell[16 * 12 + 4];
      bottom[2 * i + 1] = cell[16 * 12 + 8];
    }
  }
}
