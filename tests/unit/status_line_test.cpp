// The status the program hands down: where the cursor stands and what lies
// under it, in each window of the area editor and the Word Map.
#include "area/area_slots.h"
#include "files/area_set.h"
#include "runtime/status_events.h"
#include "tests/unit/program_test.h"
#include "worldmap/word_map_state.h"

namespace {

class StatusLine : public ProgramTest {};

// Column and row as the user counts them, and what lies there by the rule the
// window draws with: nothing (-1) past cell 255 and past area 255.
TEST_F(StatusLine, NamesWhatLiesUnderTheCursor) {
  // window (0 editor, 1 selector, 2 map, 3 area picker), scroll, cursor
  // column and row; then the column, row (the bank's row in the selector) and
  // what lies there as shown.
  const std::array<int, 7> rows[] = {
      {0, 0, 5, 2, 5, 2, 37},     {1, 4, 3, 1, 3, 5, 103},    {1, 10, 15, 2, 15, 12, 255},
      {1, 10, 16, 2, 16, 12, -1}, {1, 10, 19, 2, 19, 12, -1}, {1, 10, 0, 0, 0, 10, 200},
      {2, 3, 4, 1, 7, 14, 232},   {3, 0, 2, 1, -1, -1, 22},   {3, 9, 15, 3, -1, -1, 255},
      {3, 9, 16, 3, -1, -1, -1},
  };
  auto check = [&rows](bool onWordMap) {
    for (const auto& row : rows) {
      auto [window, scroll, x, y, column, shownRow, under] = row;
      if ((window >= 2) != onWordMap) continue;
      if (onWordMap) {
        WordMapStateRecord& map = WordMapState;
        map.activeWindow = static_cast<std::uint32_t>(window - 2);
        map.mapScrollColumn = static_cast<std::uint32_t>(scroll);
        map.mapScrollRow = static_cast<std::uint32_t>(scroll + 10);
        map.pickerScrollRow = static_cast<std::uint32_t>(scroll);
        map.cursorColumn = static_cast<std::uint32_t>(x);
        map.cursorRow = static_cast<std::uint32_t>(y);
      } else {
        AreaEditorState.activeWindow = window;
        AreaEditorState.selectorScrollRow = scroll;
        At(x, y);
      }
      HandStatusDown();
      const OsStatus& s = dbl::Calls.status;
      std::array<int, 4> shown = {s.onWordMap, s.column, s.row, s.cell};
      if (onWordMap) shown = {s.onWordMap, s.mapColumn, s.mapRow, s.mapArea};
      EXPECT_EQ(shown, (std::array{int{onWordMap}, column, shownRow, under}))
          << "window " << window << ", scroll " << scroll << ", at " << x << ", " << y;
    }
  };
  dbl::Do([&] {
    for (int i = 0; i < 160; ++i) EditGrid.displayLayer[i] = static_cast<std::uint8_t>(i);
    for (int i = 0; i < 65536; ++i)  // entry (7, 14) holds 232, (14, 7) 190
      WordMapGrid()[i] = static_cast<std::uint8_t>(i % 256 * 7 + i / 256 * 13 + 1);
    check(false);
  });
  dbl::Key(VK_F5);
  dbl::Do([&] { check(true); });
  dbl::RunProgram();
}

}  // namespace
