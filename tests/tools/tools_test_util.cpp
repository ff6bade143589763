// Helpers for the companion tools' tests: PNG files of every colour type and
// a small bank.
#include "tests/tools/tools_test_util.h"

#include <png.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
void Append(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}
}  // namespace

std::string EncodeTestPng(const TestPng& image) {
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, Append, nullptr);
  png_set_check_for_invalid_index(png, -1);  // some tests want indices past the palette
  png_set_IHDR(png, info, image.width, image.height, image.bitDepth, image.colourType,
               image.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (std::size_t i = 0; i + 2 < image.palette.size(); i += 3)
    palette.push_back({image.palette[i], image.palette[i + 1], image.palette[i + 2]});
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!image.alphas.empty())
    png_set_tRNS(png, info, image.alphas.data(), static_cast<int>(image.alphas.size()), nullptr);
  png_write_info(png, info);
  std::size_t perRow = image.samples.size() / image.height;
  std::vector<std::vector<std::uint8_t>> rows(image.height);
  std::vector<png_bytep> pointers;
  for (int y = 0; y < image.height; ++y) {
    rows[y].assign((perRow * image.bitDepth + 7) / 8, 0);
    for (std::size_t s = 0; s < perRow; ++s) {
      unsigned value = image.samples[perRow * y + s];
      std::size_t bit = s * image.bitDepth;
      if (image.bitDepth == 16) {
        rows[y][2 * s] = static_cast<std::uint8_t>(value >> 8);
        rows[y][2 * s + 1] = static_cast<std::uint8_t>(value);
      } else {
        rows[y][bit / 8] |= static_cast<std::uint8_t>(value << (8 - image.bitDepth - bit % 8));
      }
    }
    pointers.push_back(rows[y].data());
  }
  png_write_image(png, pointers.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

Bank MakeTestBank() {
  Bank bank;
  for (std::size_t i = 0; i < CellBankPaletteOffset; ++i) bank.dap[i] = (i * 7 + i / 256) & 0xFF;
  for (int i = 0; i < 768; ++i) bank.dap[CellBankPaletteOffset + i] = (i * 5 + i / 3) % 64;
  const int chains[][2] = {{10, 11},  {11, 12}, {12, 10}, {20, 21}, {21, 22},
                           {22, 255}, {30, 31}, {31, 11}, {40, 40}};
  for (const auto& link : chains) bank.ids[link[0]] = static_cast<std::uint8_t>(link[1]);
  return bank;
}

void PutBank(const std::string& dir, const Bank& bank) {
  fs::create_directories(dir);
  WriteText(dir + "/Cells.dap",
            std::string(reinterpret_cast<const char*>(bank.dap), sizeof bank.dap));
  WriteText(dir + "/Cells.id",
            std::string(reinterpret_cast<const char*>(bank.ids), sizeof bank.ids));
}

std::string DemoFile(const char* name) { return std::string(DEMO_DIR) + "/" + name; }
