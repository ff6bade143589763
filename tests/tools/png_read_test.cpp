// The PNG reader: every colour type and bit depth to indices or RGB, the size
// limits, and broken files (cut short, or corrupted behind valid checksums)
// refused without reading past a buffer (run under the sanitizers too).
#include "tools/png_read.h"

#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <tuple>

#include "tests/tools/tools_test_util.h"

namespace {

// 7 x 5 (odd sizes catch row packing faults) pseudo-random samples; a palette
// holds half the entries the indices reach.
TestPng Picture(int colourType, int bitDepth, int channels) {
  TestPng png{7, 5, colourType, bitDepth};
  for (unsigned i = 0; i < 35u * channels; ++i)
    png.samples.push_back(static_cast<std::uint16_t>((i * 2654435761u >> 7) % (1u << bitDepth)));
  if (colourType == PNG_COLOR_TYPE_PALETTE)
    for (int i = 0; i < 3 << (bitDepth - 1); ++i)
      png.palette.push_back(static_cast<std::uint8_t>(i * 5));
  return png;
}

bool Decode(const std::string& bytes, PngImage& image, std::string& error,
            const PngReadLimits& limits = {}) {
  return DecodePng(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), image, error,
                   limits);
}

TEST(PngRead, EveryColourTypeAndDepthGivesRgbOrIndices) {
  const std::tuple<int, int, std::vector<int>> kinds[] = {
      {PNG_COLOR_TYPE_GRAY, 1, {1, 2, 4, 8, 16}},
      {PNG_COLOR_TYPE_GRAY_ALPHA, 2, {8, 16}},
      {PNG_COLOR_TYPE_RGB, 3, {8, 16}},
      {PNG_COLOR_TYPE_RGB_ALPHA, 4, {8, 16}},
      {PNG_COLOR_TYPE_PALETTE, 1, {1, 2, 4, 8}}};
  for (const auto& [type, channels, depths] : kinds)
    for (int depth : depths) {
      TestPng png = Picture(type, depth, channels);
      png.interlaced = depth % 2 == 0;
      if (type == PNG_COLOR_TYPE_PALETTE) png.alphas = {10};  // the image stays indexed
      PngImage image;
      std::string error;
      ASSERT_TRUE(Decode(EncodeTestPng(png), image, error)) << error;
      SCOPED_TRACE("type " + std::to_string(type) + " depth " + std::to_string(depth));
      ASSERT_EQ(image.indexed, type == PNG_COLOR_TYPE_PALETTE);
      if (image.indexed) {  // indices past the palette are kept, and black in RGB
        std::vector<std::uint8_t> rgb;
        for (unsigned index : png.samples)
          for (unsigned c = 0; c < 3; ++c)
            rgb.push_back(3 * index < png.palette.size() ? png.palette[3 * index + c] : 0);
        EXPECT_EQ(image.palette, png.palette);
        EXPECT_EQ(std::vector<std::uint16_t>(image.pixels.begin(), image.pixels.end()),
                  png.samples);
        EXPECT_EQ(PngToRgb(image), rgb);
        continue;
      }
      auto to8 = [depth](unsigned v) {
        return depth == 16 ? v >> 8 : v * 255 / ((1u << depth) - 1);
      };
      std::size_t translucent = 0;
      for (int i = 0; i < 35; ++i) {
        const std::uint16_t* sample = &png.samples[channels * i];
        for (int c = 0; c < 3; ++c)
          ASSERT_EQ(image.pixels[3 * i + c], to8(sample[channels < 3 ? 0 : c])) << i;
        translucent += channels % 2 == 0 && sample[channels - 1] != (1u << depth) - 1;
      }
      EXPECT_EQ(image.translucentPixels, translucent);
    }
}

TEST(PngRead, SizesAndFilesRefusedBeforeDecoding) {
  std::string dir = NewScratchDir("tools"),
              bytes = EncodeTestPng(Picture(PNG_COLOR_TYPE_GRAY, 8, 1));
  WriteText(dir + "/grey.png", bytes);
  WriteText(dir + "/gif.png", "GIF89a.........");
  // A text chunk that claims 2 GiB is refused before anything is allocated.
  WriteText(dir + "/lying.png", bytes.substr(0, 33) + std::string("\x7f\xff\xff\xf0tEXtk", 9) +
                                    std::string(40, 'x') + bytes.substr(33));
  ASSERT_EQ(mkfifo((dir + "/fifo.png").c_str(), 0600), 0);
  const struct {
    const char* name;
    PngReadLimits limits;
    const char* error;
  } cases[] = {{"grey.png", {7, 6}, "7 x 5 pixels, not 7 x 6"},
               {"grey.png", {0, 0, 34}, "7 x 5 pixels, more than the 34 pixels accepted"},
               {"gif.png", {}, "not a PNG file"},
               {"lying.png", {}, "broken PNG: a chunk claims more bytes than the file holds"},
               {"", {}, "Is a directory"},
               {"fifo.png", {}, "not a regular file"}};  // at once, not waiting for a writer
  alarm(20);  // a read that waits on the FIFO would hang the suite
  for (const auto& c : cases) {
    PngImage image;
    std::string error;
    EXPECT_FALSE(ReadPng(dir + "/" + c.name, image, error, c.limits));
    EXPECT_EQ(error, c.error);
    EXPECT_TRUE(image.pixels.empty()) << c.name;
  }
  alarm(0);
}

// Recomputes the checksum of every chunk still within the file, so that a
// corruption reaches the decoder instead of stopping at the checksum test.
void FixChecksums(std::string& bytes) {
  auto byte = [&](std::size_t at) { return std::uint32_t{static_cast<std::uint8_t>(bytes[at])}; };
  for (std::size_t at = 8, length; at + 12 <= bytes.size(); at += length + 12) {
    length = byte(at) << 24 | byte(at + 1) << 16 | byte(at + 2) << 8 | byte(at + 3);
    if (length > bytes.size() - at - 12) break;
    std::uint32_t crc = 0xFFFFFFFF;  // the CRC-32 of PNG, bit by bit
    for (std::size_t i = at + 4; i < at + 8 + length; ++i)
      for (int k = 0; k < 8; ++k) crc = crc >> 1 ^ (0xEDB88320 & (0 - ((crc ^ byte(i) >> k) & 1)));
    for (int k = 0; k < 4; ++k)
      bytes[at + 8 + length + k] = static_cast<char>(~crc >> (24 - 8 * k));
  }
}

TEST(PngRead, BrokenFilesAreRefusedCleanly) {
  // Corrupting the header of an interlaced indexed picture reaches the other kinds too.
  TestPng png = Picture(PNG_COLOR_TYPE_PALETTE, 8, 1);
  png.interlaced = true;
  std::string good = EncodeTestPng(png);
  PngImage image;
  std::string error;
  for (std::size_t size = 0; size + 12 < good.size(); ++size) {  // all but the end chunk
    ASSERT_FALSE(Decode(good.substr(0, size), image, error)) << size;
    ASSERT_TRUE(!error.empty() && image.pixels.empty());
  }
  int accepted = 0;
  for (std::size_t at = 8; at < good.size(); ++at)
    for (int value : {0x00, 0xFF, 0x80, 0x07}) {
      std::string bytes = good;
      bytes[at] = static_cast<char>(value == 0 ? 0 : bytes[at] ^ value);
      FixChecksums(bytes);
      if (Decode(bytes, image, error)) {
        ++accepted;
        std::size_t perPixel = image.indexed ? 1 : 3;
        ASSERT_EQ(image.pixels.size(), perPixel * image.width * image.height);
      } else {
        ASSERT_FALSE(error.empty());
      }
    }
  EXPECT_GT(accepted, 0) << "corrupted pixel data still decodes";
}

}  // namespace
