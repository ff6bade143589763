// Helpers for the companion tools' tests: PNG files of every colour type and
// a small bank.
#include "tests/tools/tools_test_util.h"

#include <png.h>

std::string EncodeTestPng(const TestPng& image) {
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  auto append = [](png_structp png, png_bytep data, png_size_t size) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), size);
  };
  png_set_write_fn(png, &out, append, nullptr);
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
  // One sample per byte, or per little-endian word at 16 bits: libpng packs them.
  if (image.bitDepth < 8) png_set_packing(png);
  if (image.bitDepth == 16) png_set_swap(png);
  std::vector<std::uint8_t> bytes(image.samples.begin(), image.samples.end());
  std::vector<std::uint16_t> words = image.samples;
  std::size_t perRow = image.samples.size() / image.height;
  std::vector<png_bytep> pointers;
  for (int y = 0; y < image.height; ++y)
    pointers.push_back(image.bitDepth == 16 ? reinterpret_cast<png_bytep>(&words[perRow * y])
                                            : &bytes[perRow * y]);
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
