// The area editor's dispatcher, cursor, windows and area slots, run inside
// the program on the platform double.
#include "area/area_slots.h"
#include "area/editor_windows.h"
#include "data/tables.h"
#include "files/area_set.h"
#include "tests/unit/program_test.h"

namespace {

class AreaEditor : public ProgramTest {
 protected:
  // The cursor, and the selector's scroll row.
  static std::array<int, 3> Cursor() {
    const AreaEditorStateRecord& s = AreaEditorState;
    return {s.cursorX, s.cursorY, s.selectorScrollRow};
  }
  // The 32 x 32 pixels at (left, top) show the cell doubled, or ground for -1.
  static ::testing::AssertionResult ShowsCell(const Picture& screen, int left, int top, int cell) {
    return Shows(screen, left, top, 32, 32, [cell](int x, int y) {
      return cell < 0 ? 0 : dbl::CellPixel(cell, x / 2, y / 2);
    });
  }
};

// From (x, y) with the selector scrolled to `scroll`, the key takes the
// cursor to (x', y') and the scroll to scroll'. The editor wraps rows and
// stops at its top and bottom; the selector scrolls the bank within its rows.
TEST_F(AreaEditor, ArrowsWrapAndStopInBothWindows) {
  Inside([] {
    const int moves[][8] = {
        // window, scroll, x, y, key, x', y', scroll'
        {0, 0, 0, 0, VK_LEFT, 15, 0, 0},  {0, 0, 15, 0, VK_RIGHT, 0, 1, 0},
        {0, 0, 15, 9, VK_RIGHT, 0, 9, 0}, {0, 0, 0, 9, VK_DOWN, 0, 9, 0},
        {0, 0, 0, 9, VK_LEFT, 15, 8, 0},  {0, 0, 4, 0, VK_UP, 4, 0, 0},
        {1, 4, 19, 2, VK_RIGHT, 0, 2, 5}, {1, 5, 0, 0, VK_LEFT, 19, 0, 4},
        {1, 0, 3, 0, VK_UP, 3, 0, 0},     {1, 10, 5, 2, VK_DOWN, 5, 2, 10},
    };
    for (const auto& [window, scroll, x, y, key, x2, y2, scroll2] : moves) {
      SCOPED_TRACE(testing::Message() << "window " << window << " at " << x << ", " << y);
      if (AreaEditorState.activeWindow != window) Press(VK_TAB);
      AreaEditorState.selectorScrollRow = scroll;
      At(x, y);
      Press(static_cast<OsWParam>(key));
      EXPECT_EQ(Cursor(), (std::array{x2, y2, scroll2}));
    }
  });
}

TEST_F(AreaEditor, SelectorShowsItsRowsAndPicksCells) {
  Inside([] {
    Press(VK_TAB);
    AreaEditorState.selectorScrollRow = 4;
    At(19, 2);
    Press(VK_RIGHT);
    EXPECT_EQ(dbl::Screen()[384 * 640 + 32], dbl::CellPixel(101, 0, 0));  // drawn from row 5

    AreaEditorState.selectorScrollRow = 0;
    At(3, 0);
    emu::Display.surface[384 * emu::Display.pitch] = 0xAB;
    Press(VK_UP);  // at the top with scroll 0 the window is drawn again
    EXPECT_EQ(dbl::Screen()[384 * 640], dbl::CellPixel(0, 0, 0));

    // At scroll 10: cells 200..255, then ground from index 256 on, where
    // SPACE selects nothing and the preview keeps the cell selected before.
    AreaEditorState.selectorScrollRow = 10;
    At(5, 2);
    Press(VK_DOWN);
    Picture screen = dbl::Screen();
    for (int index = 200; index < 260; ++index)
      ASSERT_TRUE(ShowsCell(screen, 32 * (index % 20), 384 + 32 * (index / 20 - 10),
                            index <= 255 ? index : -1))
          << index;
    for (auto [x, selected] : {std::pair{15, 255}, {16, 255}, {0, 240}, {19, 240}}) {
      At(x, 2);
      Press(VK_SPACE);
      EXPECT_EQ(AreaEditorState.selectedCell, selected) << x;
      EXPECT_TRUE(ShowsCell(dbl::Screen(), 12, 32, selected)) << x;
    }
  });
}

TEST_F(AreaEditor, TabKeepsACursorPerWindowAndEndsTheBlock) {
  Inside([] {
    Mark(5, 6, 1, 0);
    Press(VK_TAB);
    EXPECT_EQ(AreaEditorState.activeWindow, SelectorWindow);
    EXPECT_EQ(Cursor(), (std::array{0, 0, 0}));
    EXPECT_EQ(BlockNow(), BlockView{});
    At(7, 1);
    Press(VK_TAB);
    EXPECT_EQ(
        (std::array{AreaEditorState.previousX, AreaEditorState.cursorX, AreaEditorState.cursorY}),
        (std::array{6, 6, 6}));
    Press(VK_TAB);
    EXPECT_EQ(Cursor(), (std::array{7, 1, 0}));
  });
}

TEST_F(AreaEditor, BlockEndRuleComesAfterTheFirstGroupAndLooksAtTheWholeKey) {
  Inside([] {
    Mark(2, 3, 1, 0);
    EditGrid.displayLayer[16 * 3 + 3] = 77;
    Press('G');  // does its work, then the selection ends
    EXPECT_EQ(AreaEditorState.selectedCell, 77);
    EXPECT_EQ(BlockNow(), BlockView{});

    Mark(2, 3, 1, 0);
    Press('Q', true);  // with Shift held the rule does not run, whatever the key
    EXPECT_EQ(BlockNow(), (BlockView{BlockSelecting, 1, 2, 3, 3, 3, 0, 0, 0, 0}));

    // A key whose low byte is an arrow moves the cursor, but the whole
    // wParam is no arrow, so the selection ends.
    Press(0x100 | VK_RIGHT);
    EXPECT_EQ(Cursor(), (std::array{4, 3, 0}));
    EXPECT_EQ(BlockState.live.x2, 0);

    // Likewise 'C': a wParam of 0x143 copies, but only after the rule has
    // ended the selection, so the copy is the top left cell alone; a plain
    // 'C' copies the marked block.
    for (auto [key, stored] : {std::pair{OsWParam{0x100 | 'C'}, Corners{0, 0, 0, 0}},
                               {OsWParam{'C'}, Corners{2, 3, 3, 3}}}) {
      Mark(2, 3, 1, 0);
      Press(key);
      EXPECT_EQ(BlockNow(),
                (BlockView{BlockIdle, 0, 0, 0, 0, 0, stored[0], stored[1], stored[2], stored[3]}));
    }
    // In the selector window the rule does not run.
    BlockState.live = {1, 1, 2, 2};
    Press(VK_TAB);
    BlockState.live = {1, 1, 2, 2};
    Press('Q');
    EXPECT_EQ(BlockState.live.x2, 2);
  });
}

TEST_F(AreaEditor, AreaNumberIsClampedAndReloadsAtTheEnds) {
  Inside([] {
    for (auto [area, key] : {std::pair{0, VK_SUBTRACT}, {254, VK_ADD}}) {
      AreaEditorState.currentArea = area;
      EditGrid.cellLayer[0] = 9;  // unstored
      Press(key);
      EXPECT_EQ(AreaEditorState.currentArea * 10 + EditGrid.cellLayer[0], area * 10);  // reloaded
    }
    Picture screen = dbl::Screen();
    for (int x = 0; x < 60; ++x)
      for (int y = 0; y < 16; ++y)
        ASSERT_EQ(screen[640 * (360 + y) + 192 + x],  // three digits, ground between and after
                  x < 28 && x % 10 < 8
                      ? DigitGlyphs[32 * ("254"[x / 10] - '0') + 4 * (y / 2) + x % 10 / 2]
                      : 0)
            << x << ", " << y;
    Press(VK_SUBTRACT);
    Press(VK_OEM_PLUS);  // the main keyboard's + is not bound
    EXPECT_EQ(AreaEditorState.currentArea, 253);
  });
}

TEST_F(AreaEditor, DeletePlusInsertMovesTheAreaWithUnstoredChanges) {
  Inside([] {
    AreaEditorState.selectedCell = 12;
    At(1, 1);
    Press(VK_SPACE);  // unstored
    Press(VK_DELETE);
    for (int i = 0; i < 160; ++i)  // ids 0, whatever the table says for cell 0
      ASSERT_EQ(EditGrid.idLayer[i] + AreaRecord(0)[160 + i], 0);
    EXPECT_EQ((std::array<int, 2>{EditGrid.backupGrid[17], EditGrid.backupGrid[160 + 17]}),
              (std::array<int, 2>{12, dbl::CellId(12)}));
    Press(VK_ADD);
    Press(VK_INSERT);
    EXPECT_EQ((std::array<int, 4>{AreaRecord(1)[17], AreaRecord(1)[160 + 17], AreaRecord(0)[17],
                                  EditGrid.cellLayer[17]}),
              (std::array<int, 4>{12, dbl::CellId(12), 0, 12}));
    Press(VK_DELETE);
    Press(VK_DELETE);  // two Deletes leave an empty backup
    EXPECT_EQ(EditGrid.backupGrid[17], 0);
  });
}

}  // namespace
