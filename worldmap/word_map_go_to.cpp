// Selecting an area by its number in either Word Map window.
#include "worldmap/word_map_go_to.h"

#include "area/go_to.h"
#include "worldmap/word_map_draw.h"
#include "worldmap/word_map_state.h"

bool GoToKeyInWordMap(std::uint32_t key) {
  int number = 0;
  switch (TypeNumber(key, "area", number)) {
    case NumberKey::Other: return false;
    case NumberKey::Taken: return true;
    case NumberKey::Enter: break;
  }
  SelectAreaNumber(static_cast<std::uint32_t>(number));
  return true;
}

void SelectAreaNumber(std::uint32_t area) {
  WordMapStateRecord& state = WordMapState;
  state.selectedArea = area;
  DrawSelectedAreaPreview();
  const std::uint32_t line = area / PickerLineLength;
  const std::uint32_t rows = state.windows[AreaPicker].height;
  std::uint32_t scroll = state.pickerScrollRow;
  if (line < scroll) scroll = line;
  if (line >= scroll + rows) scroll = line - rows + 1;
  if (scroll == state.pickerScrollRow) return;
  state.pickerScrollRow = scroll;
  // The cursor goes first, so that the redraw takes the pixels under it
  // without the cursor in them, whichever window holds it.
  RestoreWordMapBackground(WordMapSlotX(state.previousColumn), WordMapSlotY(state.previousRow));
  DrawAreaPicker();
}
