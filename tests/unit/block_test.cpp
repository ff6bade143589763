// Block mode: marking, copying, pasting across areas and the blink, driven
// through the key dispatcher inside the running program.
#include "area/block.h"

#include <cstring>

#include "area/area_slots.h"
#include "files/area_set.h"
#include "runtime/display.h"
#include "tests/unit/program_test.h"

namespace {

class Block : public ProgramTest {
 protected:
  // Cell base + GridIndex(x, y) at every position, ids 100 above, so that
  // every cell and every id of the area tells where it came from.
  static void FillEditGrid(int base = 0) {
    for (int i = 0; i < 160; ++i) {
      EditGrid.cellLayer[i] = EditGrid.displayLayer[i] = static_cast<std::uint8_t>(base + i);
      EditGrid.idLayer[i] = static_cast<std::uint8_t>(base + i + 100);
    }
  }
  static int CellAt(int x, int y) { return EditGrid.cellLayer[GridIndex(x, y)]; }

  // A scribble on window cell (15, 9), which a whole-window redraw paints over.
  static constexpr int MarkX = 64 + 32 * 15 + 5, MarkY = 32 + 32 * 9 + 5;
  static std::uint8_t Drawn() { return dbl::CellPixel(EditGrid.displayLayer[159], 2, 2); }
  static void Scribble() {
    LockFrame();
    *FramePixel(MarkX, MarkY) = static_cast<std::uint8_t>(~Drawn());
    UnlockFrame();
  }
  static bool Redrawn() { return dbl::Screen()[640 * MarkY + MarkX] == Drawn(); }

  // (2, 2)-(6, 4) marked from each corner towards the opposite one, and where
  // the marking test pastes it.
  static constexpr std::array<int, 6> Runs[] = {{2, 2, VK_RIGHT, VK_DOWN, 8, 5},
                                                {6, 4, VK_LEFT, VK_UP, 8, 5},
                                                {2, 4, VK_RIGHT, VK_UP, 0, 0},
                                                {6, 2, VK_LEFT, VK_DOWN, 13, 8}};
};

TEST_F(Block, MarkingInAnyDirectionGivesTheSameBlockAndPastesCutAtTheEdges) {
  Inside([] {
    FillEditGrid();
    At(3, 3);
    Scribble();
    Press('V');  // before any copy: nothing, not even a redraw
    EXPECT_EQ(CellAt(3, 3), GridIndex(3, 3));
    EXPECT_FALSE(Redrawn());
    // Ids the cell-id table would not give: the paste must not look them up.
    ASSERT_NE(EditGrid.idLayer[GridIndex(2, 2)], dbl::CellId(CellAt(2, 2)));

    // Each marked block pasted at (px, py), cut at the right and bottom edges.
    for (const auto& [x, y, across, down, px, py] : Runs) {
      SCOPED_TRACE(testing::Message() << "from " << x << ", " << y);
      FillEditGrid();
      Mark(x, y, 4, 2, static_cast<OsWParam>(across), static_cast<OsWParam>(down));
      Press('C');
      EXPECT_EQ(Of(BlockState.stored), (Corners{x, y, 8 - x, 6 - y}));  // as marked
      At(px, py);
      Press('V');
      EXPECT_EQ(BlockNow(), (BlockView{BlockIdle, 0, 0, 0, 0, 0, 2, 2, 6, 4}));  // now in order
      for (int t = 0; t < 160; ++t) {
        int u = t % 16, v = t / 16;
        bool inside = u >= px && u <= px + 4 && v >= py && v <= py + 2;
        int s = inside ? GridIndex(u - px + 2, v - py + 2) : t;
        ASSERT_EQ((std::array<int, 3>{EditGrid.cellLayer[t], EditGrid.displayLayer[t],
                                      EditGrid.idLayer[t]}),
                  (std::array{s, s, (s + 100) % 256}))
            << u << ", " << v;
      }
      EXPECT_EQ(dbl::Screen()[640 * (32 + 32 * py) + 64 + 32 * px],
                dbl::CellPixel(GridIndex(2, 2), 0, 0));  // on the screen at once
    }
  });
}

TEST_F(Block, WhatCopyTakesDependsOnHowTheMarkingEnded) {
  Inside([] {
    // SPACE ends the marking by the block end rule: 'C' then takes the top
    // left cell alone, as it was at the copy.
    FillEditGrid(10);
    AreaEditorState.selectedCell = 200;
    Mark(4, 4, 1, 1);
    Press(VK_SPACE);
    Press('C');
    EXPECT_EQ(BlockNow(), (BlockView{BlockIdle, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EditGrid.cellLayer[0] = 99;
    At(7, 6);
    Press('V');
    EXPECT_EQ((std::array{CellAt(7, 6), int{EditGrid.idLayer[GridIndex(7, 6)]}, CellAt(8, 6),
                          CellAt(7, 7)}),
              (std::array{10, 110, 10 + GridIndex(8, 6), 10 + GridIndex(7, 7)}));

    // A plain arrow stops the blink but keeps the corners for 'C'.
    Mark(2, 3, 2, 1);
    Press(VK_RIGHT);
    Press('C');
    EXPECT_EQ(BlockNow(), (BlockView{BlockIdle, 0, 0, 0, 0, 0, 2, 3, 4, 4}));

    // A load with Shift held runs no block end rule: Shift+C then keeps the
    // stored block, which 'V' takes out of the new area.
    Mark(1, 1, 1, 0);
    Press('C');
    for (int i = 0; i < 160; ++i) AreaRecord(1)[i] = static_cast<std::uint8_t>(i + 60);
    Press(VK_ADD, true);
    EXPECT_EQ(BlockState.code, BlockAreaLoaded);
    At(8, 8);
    Press('C', true);
    EXPECT_EQ(Of(BlockState.stored), (Corners{1, 1, 2, 1}));
    At(0, 9);
    Press('V');
    EXPECT_EQ((std::array{CellAt(0, 9), CellAt(1, 9), CellAt(2, 9), int{BlockState.code}}),
              (std::array{17 + 60, 18 + 60, GridIndex(2, 9) + 60, int{BlockIdle}}));

    // Shift+C copies and ends the marking; the next Shift+arrow starts afresh.
    Mark(2, 3, 2, 0);
    Press('C', true);
    EXPECT_EQ(BlockNow(), (BlockView{BlockIdle, 0, 0, 0, 0, 0, 2, 3, 4, 3}));
    Press(VK_DOWN, true);
    EXPECT_EQ(BlockNow(), (BlockView{BlockSelecting, 1, 4, 3, 4, 4, 2, 3, 4, 3}));
  });
}

TEST_F(Block, CopyInOneAreaPastesIntoAnotherWhichChangesOnlyWithF2) {
  dbl::Do([] {
    for (int i = 0; i < 160; ++i) {  // different cells everywhere
      AreaRecord(3)[i] = static_cast<std::uint8_t>(i);
      AreaRecord(3)[160 + i] = static_cast<std::uint8_t>(i + 50);
      AreaRecord(4)[i] = 200;
      AreaRecord(4)[160 + i] = 201;
    }
    AreaEditorState.currentArea = 2;
    Press(VK_ADD);
    Mark(1, 1, 1, 1);
    Press('C');
    Press(VK_ADD);
    At(14, 0);
    Press('V');
    EXPECT_EQ((std::array{CellAt(13, 0), CellAt(14, 0), CellAt(15, 0), CellAt(14, 1),
                          int{EditGrid.idLayer[GridIndex(15, 1)]}, int{AreaRecord(4)[14]}}),
              (std::array{200, 17, 18, 33, 34 + 50, 200}));  // not stored yet
  });
  dbl::Key(VK_F2);
  dbl::Do([] {
    const std::uint8_t* to = AreaRecord(4);
    EXPECT_EQ(
        (std::array<int, 5>{to[14], to[160 + 14], to[GridIndex(15, 1)], to[13], AreaRecord(3)[17]}),
        (std::array{17, 17 + 50, 34, 200, 17}));  // the source untouched
  });
  dbl::RunProgram();
}

// Marked towards any corner, the whole block blanks from the eighth turn on,
// and nothing else, every other eight turns, the window redrawn each time;
// the cells stay as they are. A blink stopped keeps its counter for the next.
TEST_F(Block, BlinkBlanksTheBlockMarkedAnyWayRedrawingEveryEightTurns) {
  Inside([] {
    for (const auto& [x, y, across, down, px, py] : Runs) {
      SCOPED_TRACE(testing::Message() << "from " << x << ", " << y);
      FillEditGrid();
      Mark(x, y, 4, 2, static_cast<OsWParam>(across), static_cast<OsWParam>(down));
      std::vector<int> redraws;
      for (int turn = 1; turn <= 32; ++turn) {
        Scribble();
        BlinkBlock();
        if (Redrawn()) redraws.push_back(turn);
        bool blank = turn % 16 >= 8;  // the block shows cell 0 when blank
        for (int t = 0; t < 160; ++t) {
          bool inside = t % 16 >= 2 && t % 16 <= 6 && t / 16 >= 2 && t / 16 <= 4;
          ASSERT_EQ(std::pair(+EditGrid.displayLayer[t], +EditGrid.cellLayer[t]),
                    std::pair(blank && inside ? 0 : t, t))
              << "turn " << turn << ", cell " << t;
        }
      }
      EXPECT_EQ(redraws, (std::vector<int>{8, 16, 24, 32}));
      Press(VK_ESCAPE);
    }
    // Grown while blank: the display layer follows at once.
    FillEditGrid();
    Mark(2, 2, 1, 1);
    for (int turn = 0; turn < 8; ++turn) BlinkBlock();
    ASSERT_EQ(BlockState.blinkPhase, 1);
    Press(VK_RIGHT, true);
    BlinkBlock();
    EXPECT_EQ(EditGrid.displayLayer[GridIndex(4, 3)], 0);
    Press(VK_ESCAPE);

    // The first change of a new blink comes one to eight turns after it starts.
    FillEditGrid();
    for (int left = 0; left < 8; ++left) {
      // A blink stopped in the shown phase after `left` turns keeps its counter.
      Mark(2, 2, 1, 0);
      for (int turn = 0; turn < left; ++turn) BlinkBlock();
      Press(VK_RIGHT);
      BlinkBlock();  // idle: nothing happens
      ASSERT_EQ(BlockState.blinkPhase * 8 + BlockState.blinkCounter, left);
      Mark(5, 5, 1, 0);
      int turns = 0;
      for (; BlockState.blinkPhase == 0 && turns < 20; ++turns) BlinkBlock();
      EXPECT_EQ(turns, 8 - left) << "counter " << left;
      // Ended when blank: cells back with a redraw next turn, counter afresh.
      Press(VK_ESCAPE);
      Scribble();
      BlinkBlock();
      EXPECT_TRUE(Redrawn());
      EXPECT_EQ((std::array<int, 4>{BlockState.blinking, BlockState.blinkPhase,
                                    BlockState.blinkCounter, EditGrid.displayLayer[85]}),
                (std::array{0, 0, 0, 85}));
    }
  });
}

TEST_F(Block, StoringDuringTheBlankPhaseThroughTheMainLoopStoresTheTrueCells) {
  dbl::Do([] {
    FillEditGrid();
    At(3, 3);
  });
  dbl::Key(VK_RIGHT, true);
  dbl::Idle(18);  // idle turns of two blanks: the block goes blank after eight
  dbl::Do([] { ASSERT_EQ(BlockState.blinkPhase, 1); });
  dbl::Key(VK_F2);
  dbl::Do([] {
    const std::uint8_t* area = AreaRecord(0);
    EXPECT_EQ((std::array<int, 3>{area[51], area[52], area[160 + 52]}), (std::array{51, 52, 152}));
  });
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

}  // namespace
