// Area thumbnails sampled from the cells of an area, and the map window and
// area picker drawn from them, slot by slot.
#include "worldmap/word_map_draw.h"

#include "files/area_set.h"
#include "runtime/display.h"
#include "worldmap/thumbnail.h"
#include "worldmap/word_map_state.h"

namespace {

// Thumbnail: each cell becomes a 2 x 2 block of its pixels (4, 4), (8, 4),
// (4, 12) and (8, 12). The frame must be locked.
void PutThumbnail(std::uint8_t area, int x, int y) {
  SampleAreaThumbnail(CellBank, AreaRecord(area), FramePixel(x, y),
                      static_cast<std::size_t>(DisplayDevice.FramePitch));
}

// Draws every slot of the window, with the area that areaAt gives for it.
void PutWindowThumbnails(const ViewWindow& window,
                         std::uint8_t (*areaAt)(std::uint32_t column, std::uint32_t row)) {
  LockFrame();
  for (std::uint32_t q = 0; q < window.height; ++q)
    for (std::uint32_t p = 0; p < window.width; ++p)
      PutThumbnail(areaAt(p, q), static_cast<int>(window.originX) + SlotWidth * static_cast<int>(p),
                   static_cast<int>(window.originY) + SlotHeight * static_cast<int>(q));
  UnlockFrame();
}

std::uint8_t MapAreaAt(std::uint32_t column, std::uint32_t row) { return MapEntry(column, row); }

// Picker slots count on from 20 x scroll; numbers past 255 wrap to 0.
std::uint8_t PickerAreaAt(std::uint32_t column, std::uint32_t row) {
  return static_cast<std::uint8_t>(PickerLineLength * (WordMapState.pickerScrollRow + row) +
                                   column);
}

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
  PutWindowThumbnails(WordMapState.windows[AreaPicker], PickerAreaAt);
  RetakeWordMapBackground();
}
