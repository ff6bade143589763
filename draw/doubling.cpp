// Pixel doubling into the frame or into any buffer with a row pitch.
#include "draw/doubling.h"

#include <cstring>

void DrawDoubled(std::uint8_t* target, std::ptrdiff_t targetPitch, const std::uint8_t* source,
                 int width, int height, int sourceStride) {
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = target + 2 * y * targetPitch;
    const std::uint8_t* from = source + y * sourceStride;
    for (int x = 0; x < width; ++x) {
      row[2 * x] = from[x];
      row[2 * x + 1] = from[x];
    }
    std::memcpy(row + targetPitch, row, static_cast<std::size_t>(2 * width));
  }
}
