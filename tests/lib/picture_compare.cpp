// Reading PNG and XWD pictures into RGB, and comparing a shown picture with
// the expected one, scaled and centred as the desktop front end shows it.
#include "tests/lib/picture_compare.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/present/frame_present.h"
#include "tools/png_read.h"

namespace {

std::uint32_t Big32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::uint32_t{b[at]} << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

std::string ReadXwd(const std::vector<std::uint8_t>& bytes, RgbPicture& picture) {
  if (bytes.size() < 100) return "too short for an XWD capture";
  std::uint32_t depth = Big32(bytes, 12), bits = Big32(bytes, 44), stride = Big32(bytes, 48);
  if (depth != 24 || bits != 32 || Big32(bytes, 56) != 0xFF0000)
    return "an XWD capture of depth " + std::to_string(depth) + ", not 24-bit RGB in 32 bits";
  bool bigEndian = Big32(bytes, 28) == 1;
  picture.width = static_cast<int>(Big32(bytes, 16));
  picture.height = static_cast<int>(Big32(bytes, 20));
  std::size_t start = Big32(bytes, 0) + 12 * std::size_t{Big32(bytes, 76)};
  if (start + std::size_t{stride} * picture.height > bytes.size()) return "XWD capture cut short";
  picture.rgb.resize(3 * std::size_t(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const std::uint8_t* p = &bytes[start + std::size_t{stride} * y + 4 * x];
      std::uint8_t* out = &picture.rgb[3 * (std::size_t(picture.width) * y + x)];
      for (int c = 0; c < 3; ++c) out[c] = bigEndian ? p[1 + c] : p[2 - c];
    }
  return "";
}

std::uint32_t At(const RgbPicture& p, int x, int y) {
  const std::uint8_t* v = &p.rgb[3 * (std::size_t(p.width) * y + x)];
  return std::uint32_t{v[0]} << 16 | v[1] << 8 | v[2];
}

// The whole factor the picture is shown at, its top left corner, and the
// rows of the status line under it. The desktop's 640 x 480 picture is
// placed as the desktop places it; any other centred, without one.
struct Placement {
  int factor, left, top, bandTop, bandHeight;
};
Placement Place(const RgbPicture& shown, int width, int height) {
  if (width == present::Width && height == present::Height) {
    present::Layout layout = present::LayOut(shown.width, shown.height);
    return {layout.factor, layout.picture.x, layout.picture.y, layout.band.y, layout.band.h};
  }
  int f = std::min(shown.width / width, shown.height / height);
  return {f, (shown.width - width * f) / 2, (shown.height - height * f) / 2, 0, 0};
}

}  // namespace

std::string ReadPicture(const std::string& path, RgbPicture& picture) {
  std::ifstream file(path, std::ios::binary);
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  if (!file) return path + ": cannot be read";
  if (bytes.size() < 8 || bytes[1] != 'P' || bytes[2] != 'N' || bytes[3] != 'G') {
    std::string error = ReadXwd(bytes, picture);
    return error.empty() ? "" : path + ": " + error;
  }
  PngImage png;
  std::string error;
  if (!DecodePng(bytes.data(), bytes.size(), png, error)) return path + ": " + error;
  if (png.translucentPixels != 0) return path + ": not opaque";
  picture = {png.width, png.height, PngToRgb(png)};
  return "";
}

std::string ComparePictures(const RgbPicture& shown, const RgbPicture& expected,
                            const CompareRules& rules) {
  Placement at =
      rules.scaled ? Place(shown, expected.width, expected.height) : Placement{1, 0, 0, 0, 0};
  std::string size = std::to_string(shown.width) + "x" + std::to_string(shown.height);
  if (at.factor < 1 ||
      (!rules.scaled && (shown.width != expected.width || shown.height != expected.height)))
    return "the picture is " + size + ", not " + std::to_string(expected.width) + "x" +
           std::to_string(expected.height);
  int bad = 0, x0 = expected.width, y0 = expected.height, x1 = -1, y1 = -1, border = 0;
  for (int y = 0; y < shown.height; ++y)
    for (int x = 0; x < shown.width; ++x) {
      int px = x - at.left, py = y - at.top;
      if (y >= at.bandTop && y < at.bandTop + at.bandHeight) continue;  // the status line
      if (px < 0 || py < 0 || px >= expected.width * at.factor ||
          py >= expected.height * at.factor) {
        border += At(shown, x, y) != 0;
        continue;
      }
      int ex = px / at.factor, ey = py / at.factor;
      if (At(shown, x, y) == At(expected, ex, ey)) continue;
      ++bad;
      x0 = std::min(x0, ex), x1 = std::max(x1, ex), y0 = std::min(y0, ey), y1 = std::max(y1, ey);
    }
  if (border > 0) return std::to_string(border) + " pixels around the picture are not black";
  if (bad > 0 && (!rules.cursor || x1 - x0 >= 32 || y1 - y0 >= 32))
    return std::to_string(bad) + " pixels differ, over " + std::to_string(x1 - x0 + 1) + "x" +
           std::to_string(y1 - y0 + 1) + " from (" + std::to_string(x0) + ", " +
           std::to_string(y0) + ")";
  return "";
}

int PromptNoteLength(const RgbPicture& shown, int line) {
  Placement at = Place(shown, 640, 480);
  int last = 0;
  bool ink = false;
  for (int y = 0; y < shown.height; ++y)
    for (int x = 0; x < shown.width; ++x) {
      std::uint32_t value = At(shown, x, y);
      if (value == 0) continue;
      if (value != 0xE0E0E0 || at.factor < 1) return -1;
      ink = true;
      int cell = (x - at.left) / at.factor / 8;
      if ((y - at.top) / at.factor / 16 == line) last = std::max(last, cell);
    }
  return ink ? last : -1;
}

int StatusLineInk(const RgbPicture& shown) {
  Placement at = Place(shown, present::Width, present::Height);
  if (at.bandHeight == 0) return -1;
  int ink = 0;
  for (int y = at.bandTop; y < at.bandTop + at.bandHeight; ++y)
    for (int x = 0; x < shown.width; ++x) ink += At(shown, x, y) == 0xE0E0E0;
  return ink;
}
