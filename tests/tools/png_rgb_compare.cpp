// png-rgb-compare A.png B.png: exit status 0 when two fully opaque PNGs show
// the same picture in RGB, pixel for pixel, whatever their colour types; for
// the checks against Tiled's own renderer.
#include <cstdio>
#include <cstring>

#include "tools/png_read.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: png-rgb-compare A.png B.png\n");
    return 2;
  }
  PngImage images[2];
  for (int i = 0; i < 2; ++i) {
    std::string error;
    if (!ReadPng(argv[1 + i], images[i], error) || images[i].translucentPixels != 0) {
      std::fprintf(stderr, "%s: %s\n", argv[1 + i], error.empty() ? "not opaque" : error.c_str());
      return 2;
    }
  }
  if (images[0].width != images[1].width || images[0].height != images[1].height) {
    std::fprintf(stderr, "sizes differ: %d x %d and %d x %d\n", images[0].width, images[0].height,
                 images[1].width, images[1].height);
    return 1;
  }
  std::vector<std::uint8_t> a = PngToRgb(images[0]), b = PngToRgb(images[1]);
  for (std::size_t i = 0; i < a.size(); i += 3)
    if (std::memcmp(&a[i], &b[i], 3) != 0) {
      std::fprintf(stderr, "first difference at (%zu, %zu)\n", i / 3 % images[0].width,
                   i / 3 / images[0].width);
      return 1;
    }
  return 0;
}
