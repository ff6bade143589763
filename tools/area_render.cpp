// Area-set pictures for export: an area at full size, the world map as the
// Word Map's thumbnails, and the sheet of all 256 thumbnails.
#include "tools/area_render.h"

#include <cstring>

#include "files/area_set.h"
#include "platform/printable.h"
#include "tools/cli.h"
#include "worldmap/thumbnail.h"

bool ParseBounds(const std::string& text, MapBounds& bounds, std::string& error) {
  int values[4] = {};
  std::size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    std::size_t end = i < 3 ? text.find(',', start) : text.size();
    if (end == std::string::npos ||
        !ParseNumber(std::string_view(text).substr(start, end - start), 255, values[i])) {
      error = "bounds \"" + Excerpt(text) + "\" are not X0,Y0,X1,Y1 with numbers from 0 to 255";
      return false;
    }
    start = end + 1;
  }
  if (values[0] > values[2] || values[1] > values[3]) {
    error = "bounds \"" + Excerpt(text) + "\": X0 must not exceed X1, nor Y0 Y1";
    return false;
  }
  bounds = {values[0], values[1], values[2], values[3]};
  return true;
}

void RenderArea(const std::uint8_t* cellBitmaps, const std::uint8_t* areaSet, int area,
                std::uint8_t* out, std::size_t stride) {
  const std::uint8_t* record = areaSet + AreaRecordSize * area;
  for (int j = 0; j < 10; ++j)
    for (int i = 0; i < 16; ++i) {
      const std::uint8_t* cell = cellBitmaps + CellBytes * record[16 * j + i];
      for (int v = 0; v < 16; ++v)
        std::memcpy(out + stride * static_cast<std::size_t>(16 * j + v) + 16 * i, cell + 16 * v,
                    16);
    }
}

std::vector<std::uint8_t> RenderWorld(const std::uint8_t* cellBitmaps, const std::uint8_t* areaSet,
                                      const MapBounds& bounds) {
  constexpr std::size_t thumbnailSize = ThumbnailWidth * ThumbnailHeight;
  std::vector<std::uint8_t> thumbnails(256 * thumbnailSize);
  for (int area = 0; area < 256; ++area)
    SampleAreaThumbnail(cellBitmaps, areaSet + AreaRecordSize * area,
                        &thumbnails[thumbnailSize * area], ThumbnailWidth);
  std::size_t stride = std::size_t{ThumbnailWidth} * bounds.Columns();
  std::vector<std::uint8_t> pixels(stride * ThumbnailHeight * bounds.Rows());
  const std::uint8_t* grid = areaSet + WordMapGridOffset;
  for (int row = bounds.y0; row <= bounds.y1; ++row)
    for (int column = bounds.x0; column <= bounds.x1; ++column) {
      const std::uint8_t* thumbnail = &thumbnails[thumbnailSize * grid[256 * row + column]];
      std::uint8_t* slot = pixels.data() +
                           stride * ThumbnailHeight * static_cast<std::size_t>(row - bounds.y0) +
                           ThumbnailWidth * static_cast<std::size_t>(column - bounds.x0);
      for (int y = 0; y < ThumbnailHeight; ++y)
        std::memcpy(slot + stride * y, thumbnail + ThumbnailWidth * y, ThumbnailWidth);
    }
  return pixels;
}

std::vector<std::uint8_t> RenderThumbnailSheet(const std::uint8_t* cellBitmaps,
                                               const std::uint8_t* areaSet) {
  constexpr std::size_t stride = ThumbnailWidth * ThumbnailSheetColumns;
  std::vector<std::uint8_t> pixels(stride * ThumbnailHeight * (256 / ThumbnailSheetColumns));
  for (int area = 0; area < 256; ++area)
    SampleAreaThumbnail(cellBitmaps, areaSet + AreaRecordSize * area,
                        pixels.data() + stride * ThumbnailHeight * (area / ThumbnailSheetColumns) +
                            ThumbnailWidth * (area % ThumbnailSheetColumns),
                        stride);
  return pixels;
}
