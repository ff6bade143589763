// Area thumbnails sampled from the cells of an area, and the map window and
// area picker drawn from them, slot by slot.
#include "worldmap/word_map_draw.h"

#include "files/area_set.h"
#include "runtime/display.h"
#include "runtime/screen.h"
#include "worldmap/thumbnail.h"
#include "worldmap/word_map_state.h"

namespace {

// Thumbnail: each cell becomes a 2 x 2 block of its pixels (4, 4), (8, 4),
// (4, 12) and (8, 12). The frame must be locked.
void PutThumbnail(std::uint8_t area, int x, int y) {
  SampleAreaThumbnail(CellBank, AreaRecord(area), FramePixel(x, y),
                      static_cast<std::size_t>(DisplayDevice.FramePitch));
}

// Draws every slot of the window, with the area that areaAt gives for it; a
// slot past the last area shows ground.
void PutWindowThumbnails(const ViewWindow& window,
                         std::uint32_t (*areaAt)(std::uint32_t column, std::uint32_t row)) {
  LockFrame();
  for (std::uint32_t q = 0; q < window.height; ++q)
    for (std::uint32_t p = 0; p < window.width; ++p) {
      std::uint32_t area = areaAt(p, q);
      int x = static_cast<int>(window.originX) + SlotWidth * static_cast<int>(p);
      int y = static_cast<int>(window.originY) + SlotHeight * static_cast<int>(q);
      if (area <= LastArea)
        PutThumbnail(static_cast<std::uint8_t>(area), x, y);
      else
        ClearRegion(x, y, SlotWidth, SlotHeight);
    }
  UnlockFrame();
}

std::uint32_t MapAreaAt(std::uint32_t column, std::uint32_t row) { return MapEntry(column, row); }

}  // namespace

void DrawAreaThumbnail(std::uint8_t area, int x, int y) {
  LockFrame();
  PutThumbnail(area, x, y);
  UnlockFrame();
}

void DrawMapWindow() {
  PutWindowThumbnails(WordMapState.windows[MapWindow], MapAreaAt);
  RetakeWordMapBackground();
}

void DrawAreaPicker() {
  PutWindowThumbnails(WordMapState.windows[AreaPicker], PickerNumber);
  RetakeWordMapBackground();
}
