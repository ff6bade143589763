// The status the program hands down, as the desktop's status line shows it:
// where the cursor stands and what lies under it, in each window of the area
// editor and the Word Map.
#include <cstring>

#include "area/area_slots.h"
#include "files/area_set.h"
#include "platform/present/status_band.h"
#include "runtime/status_events.h"
#include "tests/unit/program_test.h"
#include "worldmap/word_map_state.h"

namespace {

class StatusLine : public ProgramTest {};

std::string Line(const OsStatus& status, bool withEvent = false) {
  char line[128];
  present::FormatStatusLine(status, withEvent, line, sizeof line);
  return line;
}

// Column and row as the user counts them, and what lies there by the rule the
// window draws with: nothing past cell 255 and past area 255. A set without a
// name shows as new; one use is said so; an event follows the line while it
// lasts, and a prompt takes its place for as long as it stands.
TEST_F(StatusLine, NamesWhatLiesUnderTheCursor) {
  // window (0 editor, 1 selector, 2 map, 3 area picker), scroll, cursor
  // column and row; the line after the set's name (in the selector, the
  // bank's row and the cell's uses).
  const std::tuple<int, int, int, int, const char*> rows[] = {
      {0, 0, 5, 2, "Area 0  Col 5 Row 2  Cell 37"},
      {1, 4, 3, 1, "Area 0  Col 3 Row 5  Cell 103: 0 uses in 0 areas"},
      {1, 10, 15, 2, "Area 0  Col 15 Row 12  Cell 255: 0 uses in 0 areas"},
      {1, 10, 16, 2, "Area 0  Col 16 Row 12  no cell"},
      {1, 10, 0, 0, "Area 0  Col 0 Row 10  Cell 200: 0 uses in 0 areas"},
      {2, 3, 4, 1, "Word Map 7,14  Area 232"},
      {3, 0, 2, 1, "Word Map picker  Area 22"},
      {3, 9, 15, 3, "Word Map picker  Area 255"},
      {3, 9, 16, 3, "Word Map picker  no area"},
  };
  auto check = [&rows](bool onWordMap) {
    for (const auto& [window, scroll, x, y, shown] : rows) {
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
      EXPECT_EQ(Line(dbl::Calls.status), "set.out  " + std::string(shown))
          << "window " << window << ", scroll " << scroll << ", at " << x << ", " << y;
    }
  };
  std::vector<std::uint8_t> set(AreaSetSize, 0);
  for (int i = 0; i < 65536; ++i)  // entry (7, 14) holds 232, (14, 7) 190
    set[WordMapGridOffset + i] = static_cast<std::uint8_t>(i % 256 * 7 + i / 256 * 13 + 1);
  dbl::WriteFile("set.out", set);
  dbl::AnswerOpen("set.out");
  dbl::Do([&] {
    for (int i = 0; i < 160; ++i) EditGrid.displayLayer[i] = static_cast<std::uint8_t>(i);
    check(false);
    OsStatus told = dbl::Calls.status;  // in the selector, on cell 200
    told.fileName[0] = '\0';
    std::tie(told.uses, told.usedAreas) = std::pair(1, 1);
    std::strcpy(told.event, "Area 0 stored");
    const std::string selected = "(new set)  Area 0  Col 0 Row 10  Cell 200: ";
    EXPECT_EQ(Line(told), selected + "1 use in 1 area");
    std::tie(told.uses, told.usedAreas) = std::pair(112, 9);
    EXPECT_EQ(Line(told, true), selected + "112 uses in 9 areas  |  Area 0 stored");
    std::strcpy(told.prompt, "Go to area: 12");
    for (bool withEvent : {false, true})
      EXPECT_EQ(Line(told, withEvent), selected + "112 uses in 9 areas  |  Go to area: 12");
  });
  dbl::Key(VK_F5);
  dbl::Do([&] { check(true); });
  dbl::RunProgram();
}

}  // namespace
