// Finding uses of a cell in their order, and what the status line tells of
// the number being typed, finds, replaces, copies, stores, dropped changes
// and the selector's use counts.
#include <string>

#include "area/area_slots.h"
#include "files/area_set.h"
#include "runtime/status_events.h"
#include "tests/unit/program_test.h"

namespace {

class FasterEditing : public ProgramTest {
 protected:
  // The status as the program hands it down now.
  static const OsStatus& Status() {
    HandStatusDown();
    return dbl::Calls.status;
  }
};

// Cell 37 is used at (7, 0) of area 2, at (2, 1) and (10, 9) of the edited
// area 4 and at (5, 5) of area 200; area 4's slot holds it at (0, 0), which
// does not count, as the edited area is searched as edited.
TEST_F(FasterEditing, FindGoesRoundTheSetInBothDirections) {
  Inside([] {
    AreaRecord(2)[GridIndex(7, 0)] = 37;
    AreaRecord(200)[GridIndex(5, 5)] = 37;
    AreaRecord(4)[0] = 37;
    AreaEditorState.currentArea = 4;
    EditGrid.cellLayer[GridIndex(2, 1)] = EditGrid.cellLayer[GridIndex(10, 9)] = 37;
    AreaEditorState.selectedCell = 37;
    At(5, 5);
    const std::array<int, 5> finds[] = {
        // with Shift, area, x, y, use
        {0, 4, 10, 9, 3}, {0, 200, 5, 5, 4}, {0, 2, 7, 0, 1},   {0, 4, 2, 1, 2},  {0, 4, 10, 9, 3},
        {1, 4, 2, 1, 2},  {1, 2, 7, 0, 1},   {1, 200, 5, 5, 4}, {1, 4, 10, 9, 3},
    };
    for (const auto& [backwards, area, x, y, use] : finds) {
      Press('F', backwards, true);
      EXPECT_EQ((std::array{AreaEditorState.currentArea, AreaEditorState.cursorX,
                            AreaEditorState.cursorY}),
                (std::array{area, x, y}));
      EXPECT_EQ(Status().event, "Cell 37: use " + std::to_string(use) + " of 4, in 3 areas");
    }
    // Leaving area 4 stored it as edited: its (0, 0) is no use any more.
    EXPECT_EQ(AreaRecord(4)[0], 0);
    EXPECT_EQ(AreaRecord(4)[GridIndex(2, 1)], 37);

    // From the selector, the search starts at the editor's cursor, which
    // becomes active.
    Press(VK_TAB);
    Press('F', false, true);
    EXPECT_EQ((std::array{AreaEditorState.activeWindow, AreaEditorState.currentArea,
                          AreaEditorState.cursorX, AreaEditorState.cursorY}),
              (std::array{EditorWindow, 200, 5, 5}));

    AreaEditorState.selectedCell = 99;
    Press('F', false, true);
    EXPECT_STREQ(Status().event, "Cell 99 is not used");
    EXPECT_EQ(AreaEditorState.currentArea * 100 + AreaEditorState.cursorX, 20005);
  });
}

TEST_F(FasterEditing, StatusLineTellsWhatTheNewKeysDid) {
  Inside([] {
    // The number being typed stands on the line; Esc, Enter or another key
    // takes it away.
    const std::pair<OsWParam, const char*> typing[] = {
        {'1', "Go to area: 1"},
        {'2', "Go to area: 12"},
        {'3', "Go to area: 123"},
        {'4', "Go to area: 123"},
        {VK_BACK, "Go to area: 12"},
        {VK_ESCAPE, ""},
        {'7', "Go to area: 7"},
        {VK_TAB, ""},
        {VK_NUMPAD0 + 1, "Go to cell: 1"},
        {'5', "Go to cell: 15"},
        {VK_RETURN, ""},
    };
    for (const auto& [key, prompt] : typing) {
      Press(key);
      EXPECT_STREQ(Status().prompt, prompt) << key;
    }
    EXPECT_EQ(AreaEditorState.selectedCell, 15);
    for (OsWParam key : {OsWParam{'3'}, OsWParam{'0'}, OsWParam{'0'}, VK_RETURN}) Press(key);
    EXPECT_STREQ(Status().event, "There is no cell 300: they go from 0 to 255");
    Press(VK_TAB);

    // In the selector, the cell's uses, in the edited area as edited.
    EditGrid.cellLayer[3] = EditGrid.cellLayer[9] = 123;
    AreaRecord(9)[100] = 123;
    Press(VK_TAB);
    AreaEditorState.selectorScrollRow = 5;
    At(3, 1);
    EXPECT_EQ(std::pair(Status().uses, Status().usedAreas), std::pair(3, 2));
    Press(VK_TAB);

    Mark(2, 3, 3, 2);
    Press('C');
    EXPECT_STREQ(Status().event, "Copied a 4 x 3 block");

    AreaEditorState.selectedCell = 5;
    Mark(0, 0, 1, 1);
    Press('H', false, true);
    EXPECT_STREQ(Status().event, "Replaced 4 uses in 1 area");
    At(0, 0);
    Press('H', false, true);
    EXPECT_STREQ(Status().event, "Cell 5 is the selected cell already: nothing to replace");

    Press(VK_F2);
    EXPECT_STREQ(Status().event, "Area 0 stored");

    // + and - tell of edits they drop, and only then.
    AreaEditorState.currentArea = 3;
    Press(VK_ADD);
    EXPECT_STREQ(Status().event,
                 "Changes to area 3 not stored were dropped (Ctrl+Z brings them back)");
    std::uint32_t events = dbl::Calls.status.eventNumber;
    Press(VK_ADD);
    EXPECT_EQ(Status().eventNumber, events);
  });
}

}  // namespace
