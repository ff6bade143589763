// Area-set pictures for export: an area at full size, the world map as the
// Word Map's thumbnails, and the sheet of all 256 thumbnails.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int AreaImageWidth = 256;  // 16 cells of 16 pixels
constexpr int AreaImageHeight = 160;
constexpr int ThumbnailSheetColumns = 16;  // area n at column n mod 16, row n div 16

// A rectangle of world-map entries, both corners included.
struct MapBounds {
  int x0 = 0, y0 = 0, x1 = 255, y1 = 255;
  int Columns() const { return x1 - x0 + 1; }
  int Rows() const { return y1 - y0 + 1; }
};

// "X0,Y0,X1,Y1", each 0..255, X0 <= X1 and Y0 <= Y1.
bool ParseBounds(const std::string& text, MapBounds& bounds, std::string& error);

// The area's cells at full size, 256 x 160 pixels, rows stride bytes apart.
void RenderArea(const std::uint8_t* cellBitmaps, const std::uint8_t* areaSet, int area,
                std::uint8_t* out, std::size_t stride);

// The map entries within bounds, each as its area's 32 x 20 thumbnail:
// 32 x columns by 20 x rows pixels, row-major without padding.
std::vector<std::uint8_t> RenderWorld(const std::uint8_t* cellBitmaps, const std::uint8_t* areaSet,
                                      const MapBounds& bounds);

// The 256 thumbnails, 16 to a row: 512 x 320 pixels.
std::vector<std::uint8_t> RenderThumbnailSheet(const std::uint8_t* cellBitmaps,
                                               const std::uint8_t* areaSet);
