// SPACE in the Word Map: stamping the selected area into the map entry under
// the cursor, and choosing the selected area in the area picker.
#include "area/history.h"
#include "files/area_set.h"
#include "worldmap/word_map_draw.h"
#include "worldmap/word_map_state.h"

// Only in memory: the next save of the area set takes it to the file.
void PlaceSelectedArea() {
  WordMapStateRecord& state = WordMapState;
  auto area = static_cast<std::uint8_t>(state.selectedArea);
  std::uint8_t& entry = MapEntry(state.cursorColumn, state.cursorRow);
  NoteSetChange(&entry, 1);
  entry = area;
  int x = WordMapSlotX(state.cursorColumn), y = WordMapSlotY(state.cursorRow);
  DrawAreaThumbnail(area, x, y);
  // The new thumbnail is what erasing the cursor will put back.
  CaptureWordMapBackground(x, y);
  DrawWordMapCursorMask(x, y);
}

// The empty slots past the last area select nothing: the selected area and
// its preview stay.
void SelectPickerArea() {
  std::uint32_t area = AreaUnderWordMapCursor();
  if (area > LastArea) return;
  WordMapState.selectedArea = area;
  DrawSelectedAreaPreview();
}
