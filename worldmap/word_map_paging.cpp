// Paging over the map and the area picker. The map's view moves by a whole
// window and the cursor's map position with it, both kept inside the map;
// the picker scrolls with its cursor staying in its slot.
#include "worldmap/word_map_paging.h"

#include <algorithm>

#include "platform/platform.h"
#include "worldmap/word_map_draw.h"
#include "worldmap/word_map_state.h"

namespace {

constexpr int MapSide = 256;

// Moves the view by `by` (+/- a window) and the cursor's map position with
// it: the view within 0..limit, the cursor on the map and so in the window.
void PageAxis(std::uint32_t& scroll, std::uint32_t& cursor, int by) {
  int target = std::clamp(static_cast<int>(scroll + cursor) + by, 0, MapSide - 1);
  scroll = static_cast<std::uint32_t>(
      std::clamp(static_cast<int>(scroll) + by, 0, static_cast<int>(MapScrollLimit)));
  cursor = static_cast<std::uint32_t>(target) - scroll;
}

}  // namespace

void PageWordMap(std::uint32_t key) {
  WordMapStateRecord& state = WordMapState;
  const ViewWindow& window = ActiveWordMapWindow();
  const int rows = static_cast<int>(window.height), columns = static_cast<int>(window.width);
  if (state.activeWindow == AreaPicker) {
    if (key != VK_PRIOR && key != VK_NEXT) return;
    int scroll = static_cast<int>(state.pickerScrollRow) + (key == VK_NEXT ? rows : -rows);
    state.pickerScrollRow =
        static_cast<std::uint32_t>(std::clamp(scroll, 0, static_cast<int>(PickerScrollLimit)));
    DrawAreaPicker();
    return;
  }
  switch (key) {
    case VK_PRIOR: PageAxis(state.mapScrollRow, state.cursorRow, -rows); break;
    case VK_NEXT: PageAxis(state.mapScrollRow, state.cursorRow, rows); break;
    case VK_HOME: PageAxis(state.mapScrollColumn, state.cursorColumn, -columns); break;
    case VK_END: PageAxis(state.mapScrollColumn, state.cursorColumn, columns); break;
    default: return;
  }
  DrawMapWindow();
}
