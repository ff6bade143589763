// Reading a PNG of any colour type, as palette indices with their palette or
// as RGB, refusing broken files with a one-line reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct PngImage {
  int width = 0;
  int height = 0;
  bool indexed = false;
  // Indexed: one palette index per pixel. Otherwise red, green, blue per
  // pixel, 8 bits each (16-bit samples keep their high byte).
  std::vector<std::uint8_t> pixels;
  // Indexed: red, green, blue of each of the file's 1..256 palette entries.
  std::vector<std::uint8_t> palette;
  // Not indexed: how many pixels are not fully opaque (their alpha is dropped).
  std::size_t translucentPixels = 0;
};

struct PngReadLimits {
  int width = 0;   // the only width accepted, or 0 for any
  int height = 0;  // likewise
  std::size_t maxPixels = std::size_t{1} << 26;
  std::size_t maxFileSize = std::size_t{1} << 28;
};

// Reads the file; on failure error holds the reason, without the file name,
// and image is empty but for its width and height when the size was refused.
bool ReadPng(const std::string& path, PngImage& image, std::string& error,
             const PngReadLimits& limits = {});
// The same from bytes in memory.
bool DecodePng(const std::uint8_t* data, std::size_t size, PngImage& image, std::string& error,
               const PngReadLimits& limits = {});

// Red, green, blue of every pixel; an index beyond the palette gives black.
std::vector<std::uint8_t> PngToRgb(const PngImage& image);
