// The PNG reader: every colour type and bit depth to indices or RGB, the size
// limits, and broken files (cut short, or corrupted behind valid checksums)
// refused without reading past a buffer (run under the sanitizers too).
#include "tools/png_read.h"

#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/tools/tools_test_util.h"

namespace {

// A 7 x 5 picture (odd sizes catch row packing faults) of pseudo-random samples.
TestPng Picture(int colourType, int bitDepth, int channels) {
  TestPng png{7, 5, colourType, bitDepth};
  for (unsigned i = 0; i < 35u * channels; ++i)
    png.samples.push_back(static_cast<std::uint16_t>((i * 2654435761u >> 7) % (1u << bitDepth)));
  if (colourType == PNG_COLOR_TYPE_PALETTE)
    for (int i = 0; i < 3 << bitDepth; ++i) png.palette.push_back(static_cast<std::uint8_t>(i * 5));
  return png;
}

bool Decode(const std::string& bytes, PngImage& image, std::string& error,
            const PngReadLimits& limits = {}) {
  return DecodePng(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), image, error,
                   limits);
}

TEST(PngRead, EveryColourTypeAndDepthGivesRgbOrIndices) {
  struct Kind {
    int type, channels;
    std::vector<int> depths;
  };
  const Kind kinds[] = {{PNG_COLOR_TYPE_GRAY, 1, {1, 2, 4, 8, 16}},
                        {PNG_COLOR_TYPE_GRAY_ALPHA, 2, {8, 16}},
                        {PNG_COLOR_TYPE_RGB, 3, {8, 16}},
                        {PNG_COLOR_TYPE_RGB_ALPHA, 4, {8, 16}},
                        {PNG_COLOR_TYPE_PALETTE, 1, {1, 2, 4, 8}}};
  for (const Kind& kind : kinds)
    for (int depth : kind.depths) {
      TestPng png = Picture(kind.type, depth, kind.channels);
      png.interlaced = depth % 2 == 0;
      PngImage image;
      std::string error;
      ASSERT_TRUE(Decode(EncodeTestPng(png), image, error)) << error;
      SCOPED_TRACE("type " + std::to_string(kind.type) + " depth " + std::to_string(depth));
      ASSERT_EQ(image.indexed, kind.type == PNG_COLOR_TYPE_PALETTE);
      if (image.indexed) {
        EXPECT_EQ(image.palette, png.palette);
        EXPECT_EQ(std::vector<std::uint16_t>(image.pixels.begin(), image.pixels.end()),
                  png.samples);
        continue;
      }
      auto to8 = [depth](unsigned v) {
        return depth == 16 ? v >> 8 : v * 255 / ((1u << depth) - 1);
      };
      std::size_t translucent = 0;
      for (int i = 0; i < 35; ++i) {
        const std::uint16_t* sample = &png.samples[kind.channels * i];
        for (int c = 0; c < 3; ++c)
          ASSERT_EQ(image.pixels[3 * i + c], to8(sample[kind.channels < 3 ? 0 : c])) << i;
        translucent += kind.channels % 2 == 0 && sample[kind.channels - 1] != (1u << depth) - 1;
      }
      EXPECT_EQ(image.translucentPixels, translucent);
    }
}

TEST(PngRead, IndicesBeyondAShortPaletteAreKeptAndBlackInRgb) {
  TestPng png = Picture(PNG_COLOR_TYPE_PALETTE, 8, 1);
  png.palette.assign(12, 200);
  png.alphas = {0, 10};  // transparency leaves an indexed image indexed
  png.samples.assign(35, 5);
  PngImage image;
  std::string error;
  ASSERT_TRUE(Decode(EncodeTestPng(png), image, error)) << error;
  EXPECT_TRUE(image.indexed);
  EXPECT_EQ(image.pixels[0], 5);
  EXPECT_EQ(PngToRgb(image), std::vector<std::uint8_t>(3 * 35, 0));
}

TEST(PngRead, SizesAndFilesRefusedBeforeDecoding) {
  std::string bytes = EncodeTestPng(Picture(PNG_COLOR_TYPE_GRAY, 8, 1));
  PngImage image;
  std::string error;
  EXPECT_FALSE(Decode(bytes, image, error, {7, 6}));
  EXPECT_EQ(error, "7 x 5 pixels, not 7 x 6");
  EXPECT_TRUE(image.width == 7 && image.pixels.empty()) << "the size is told, nothing else";
  EXPECT_FALSE(Decode(bytes, image, error, {0, 0, 34}));
  EXPECT_EQ(error, "7 x 5 pixels, more than the 34 pixels accepted");
  EXPECT_FALSE(Decode("GIF89a.........", image, error));
  EXPECT_EQ(error, "not a PNG file");
  std::string dir = NewScratchDir("tools");
  EXPECT_FALSE(ReadPng(dir + "/none.png", image, error));
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_FALSE(ReadPng(dir, image, error));
  EXPECT_EQ(error, "Is a directory");
  // A text chunk that claims 2 GiB is refused before anything is allocated.
  std::string lying = bytes.substr(0, 33) + std::string("\x7f\xff\xff\xf0tEXtk", 9) +
                      std::string(40, 'x') + bytes.substr(33);
  EXPECT_FALSE(Decode(lying, image, error));
  EXPECT_EQ(error, "broken PNG: a chunk claims more bytes than the file holds");
  alarm(20);  // a read that waits on the FIFO would hang the suite
  ASSERT_EQ(mkfifo((dir + "/fifo.png").c_str(), 0600), 0);
  EXPECT_FALSE(ReadPng(dir + "/fifo.png", image, error));  // at once, not waiting for a writer
  EXPECT_EQ(error, "not a regular file");
  alarm(0);
}

// Recomputes the checksum of every chunk still within the file, so that a
// corruption reaches the decoder instead of stopping at the checksum test.
void FixChecksums(std::string& bytes) {
  auto byte = [&](std::size_t at) { return std::uint32_t{static_cast<std::uint8_t>(bytes[at])}; };
  for (std::size_t at = 8; at + 12 <= bytes.size();) {
    std::size_t length = byte(at) << 24 | byte(at + 1) << 16 | byte(at + 2) << 8 | byte(at + 3);
    if (length > bytes.size() - at - 12) break;
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = at + 4; i < at + 8 + length; ++i) {
      crc ^= byte(i);
      for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    for (int k = 0; k < 4; ++k)
      bytes[at + 8 + length + k] = static_cast<char>(~crc >> (24 - 8 * k));
    at += length + 12;
  }
}

TEST(PngRead, BrokenFilesAreRefusedCleanly) {
  // An interlaced indexed picture; corrupting its header reaches the other
  // colour types too.
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
