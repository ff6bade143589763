// Block mode: marking, copying, pasting across areas and the blink, driven
// through the key dispatcher inside the running program.
#include "area/block.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "area/area_slots.h"
#include "files/area_set.h"
#include "shell/display.h"
#include "tests/unit/program_test.h"

namespace {

class Block : public ProgramTest {
 protected:
  // From (x, y): Shift+across `across` times, then Shift+down `down` times.
  static void Mark(int x, int y, int across, int down, OsWParam h = VK_RIGHT,
                   OsWParam v = VK_DOWN) {
    At(x, y);
    for (int i = 0; i < across; ++i) Press(h, true);
    for (int i = 0; i < down; ++i) Press(v, true);
  }

  // Cell base + GridIndex(x, y) at every position, ids 100 above, so that
  // every cell and every id of the area tells where it came from.
  static void FillEditGrid(int base = 0) {
    for (int i = 0; i < 160; ++i) {
      EditGrid.cellLayer[i] = EditGrid.displayLayer[i] = static_cast<std::uint8_t>(base + i);
      EditGrid.idLayer[i] = static_cast<std::uint8_t>(base + i + 100);
    }
  }
  static int CellAt(int x, int y) { return EditGrid.cellLayer[GridIndex(x, y)]; }

  // A scribble on the editor window's cell (15, 9), which a whole-window
  // redraw paints over.
  static constexpr int MarkX = 64 + 32 * 15 + 5, MarkY = 32 + 32 * 9 + 5;
  static std::uint8_t Drawn() { return dbl::CellPixel(EditGrid.displayLayer[159], 2, 2); }
  static void Scribble() {
    LockFrame();
    *FramePixel(MarkX, MarkY) = static_cast<std::uint8_t>(~Drawn());
    UnlockFrame();
  }
  static bool Redrawn() { return dbl::Screen()[640 * MarkY + MarkX] == Drawn(); }
};

TEST_F(Block, MarkingInAnyDirectionGivesTheSameBlock) {
  Inside([] {
    // Before any copy, 'V' does nothing, not even a redraw.
    FillEditGrid();
    At(3, 3);
    Scribble();
    Press('V');
    EXPECT_EQ(CellAt(3, 3), GridIndex(3, 3));
    EXPECT_FALSE(Redrawn());

    // From each corner of (2, 2)-(6, 4) towards the opposite one; each copy
    // pasted at (8, 5) of an empty grid gives the same 5 x 3 cells.
    const std::array<int, 4> starts[] = {{2, 2, VK_RIGHT, VK_DOWN},
                                         {6, 4, VK_LEFT, VK_UP},
                                         {2, 4, VK_RIGHT, VK_UP},
                                         {6, 2, VK_LEFT, VK_DOWN}};
    for (const auto& [x, y, across, down] : starts) {
      SCOPED_TRACE(testing::Message() << "from " << x << ", " << y);
      FillEditGrid();
      Mark(x, y, 4, 2, static_cast<OsWParam>(across), static_cast<OsWParam>(down));
      EXPECT_EQ((std::array{BlockState.live.x1, BlockState.live.y1}),
                (std::array{x, y}));  // the anchor
      Press('C');
      std::memset(EditGrid.cellLayer, 0, 160);
      At(8, 5);
      Press('V');
      EXPECT_EQ(Of(BlockState.stored), (Corners{2, 2, 6, 4}));  // put in order by the paste
      for (int t = 0; t < 160; ++t) {
        int u = t % 16, v = t / 16;
        bool inside = u >= 8 && u <= 12 && v >= 5 && v <= 7;
        ASSERT_EQ(EditGrid.cellLayer[t], inside ? GridIndex(u - 6, v - 3) : 0) << u << ", " << v;
      }
    }
  });
}

TEST_F(Block, PasteIsCutAtTheRightAndBottomEdgesAndBringsTheSnapshotsIds) {
  Inside([] {
    FillEditGrid();
    // Ids that the cell-id table would not give: the paste must not look
    // them up again.
    ASSERT_NE(EditGrid.idLayer[GridIndex(2, 2)], dbl::CellId(CellAt(2, 2)));
    Mark(6, 4, 4, 2, VK_LEFT, VK_UP);
    Press('C');
    EXPECT_EQ(Of(BlockState.stored), (Corners{6, 4, 2, 2}));  // as marked, until a paste
    At(13, 8);
    Press('V');
    EXPECT_EQ(BlockState.code, BlockIdle);
    for (int t = 0; t < 160; ++t) {
      int x = t % 16, y = t / 16;
      int s = x >= 13 && y >= 8 ? GridIndex(x - 11, y - 6) : t;  // columns 2..4 of rows 2..3
      EXPECT_EQ(EditGrid.cellLayer[t], s) << x << ", " << y;
      EXPECT_EQ(EditGrid.displayLayer[t], s) << x << ", " << y;
      EXPECT_EQ(EditGrid.idLayer[t], (s + 100) % 256) << x << ", " << y;
    }
    // The pasted cells are on the screen at once.
    EXPECT_EQ(dbl::Screen()[640 * (32 + 32 * 9) + 64 + 32 * 15],
              dbl::CellPixel(GridIndex(4, 3), 0, 0));
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
    EXPECT_EQ(BlockState.code, BlockIdle);
    Press('C');
    EXPECT_EQ(Of(BlockState.stored), (Corners{0, 0, 0, 0}));
    EditGrid.cellLayer[0] = 99;
    At(7, 6);
    Press('V');
    EXPECT_EQ(CellAt(7, 6), 10);
    EXPECT_EQ(EditGrid.idLayer[GridIndex(7, 6)], 110);
    EXPECT_EQ(CellAt(8, 6), 10 + GridIndex(8, 6));
    EXPECT_EQ(CellAt(7, 7), 10 + GridIndex(7, 7));

    // A plain arrow stops the blink but keeps the corners for 'C'.
    Mark(2, 3, 2, 1);
    Press(VK_RIGHT);
    EXPECT_FALSE(BlockState.blinking);
    EXPECT_EQ(BlockState.code, BlockIdle);
    Press('C');
    EXPECT_EQ(Of(BlockState.stored), (Corners{2, 3, 4, 4}));

    // Shift+C while marking copies and ends the marking: the next
    // Shift+arrow starts a fresh block at the cursor.
    Mark(2, 3, 2, 0);
    Press('C', true);
    EXPECT_EQ(BlockState.code, BlockIdle);
    EXPECT_FALSE(BlockState.blinking);
    EXPECT_EQ(Of(BlockState.live), (Corners{0, 0, 0, 0}));
    EXPECT_EQ(Of(BlockState.stored), (Corners{2, 3, 4, 3}));
    Press(VK_DOWN, true);
    EXPECT_EQ(BlockState.code, BlockSelecting);
    EXPECT_TRUE(BlockState.blinking);
    EXPECT_EQ(Of(BlockState.live), (Corners{4, 3, 4, 4}));
  });
}

TEST_F(Block, CopyInOneAreaPastesIntoAnotherWhichChangesOnlyWithF2) {
  // Area 3 and area 4 as stored: different cells everywhere.
  dbl::Do([] {
    for (int i = 0; i < 160; ++i) {
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
    ASSERT_EQ(AreaEditorState.currentArea, 4);
    At(14, 0);
    Press('V');
    EXPECT_EQ(std::vector<int>({CellAt(13, 0), CellAt(14, 0), CellAt(15, 0), CellAt(14, 1)}),
              (std::vector<int>{200, 17, 18, 33}));
    EXPECT_EQ(EditGrid.idLayer[GridIndex(15, 1)], 34 + 50);
    EXPECT_EQ(AreaRecord(4)[14] * 1000 + AreaRecord(4)[160 + 14], 200201);  // not stored yet
  });
  dbl::Key(VK_F2);
  dbl::Do([] {
    EXPECT_EQ(AreaRecord(4)[14], 17);
    EXPECT_EQ(AreaRecord(4)[160 + 14], 17 + 50);
    EXPECT_EQ(AreaRecord(4)[GridIndex(15, 1)], 34);
    EXPECT_EQ(AreaRecord(4)[13], 200);
    EXPECT_EQ(AreaRecord(3)[17], 17);  // the source is untouched
  });
  dbl::RunProgram();
}

TEST_F(Block, CopyAfterALoadWithShiftKeepsTheStoredBlock) {
  Inside([] {
    FillEditGrid();
    Mark(1, 1, 1, 0);
    Press('C');
    for (int i = 0; i < 160; ++i) AreaRecord(1)[i] = static_cast<std::uint8_t>(i + 60);
    Press(VK_ADD, true);  // Shift held: no block end rule after the load
    EXPECT_EQ(BlockState.code, BlockAreaLoaded);
    At(8, 8);
    Press('C', true);
    EXPECT_EQ(Of(BlockState.stored), (Corners{1, 1, 2, 1}));
    // The same rectangle, out of the new area.
    At(0, 9);
    Press('V');
    EXPECT_EQ(std::vector<int>({CellAt(0, 9), CellAt(1, 9), CellAt(2, 9)}),
              (std::vector<int>{17 + 60, 18 + 60, GridIndex(2, 9) + 60}));
    EXPECT_EQ(BlockState.code, BlockIdle);
  });
}

TEST_F(Block, BlinkRedrawsTheWindowOnceEveryEightTurns) {
  Inside([] {
    FillEditGrid();
    Mark(2, 2, 1, 1);
    std::vector<int> redraws;
    for (int turn = 1; turn <= 32; ++turn) {
      Scribble();
      BlinkBlock();
      if (Redrawn()) redraws.push_back(turn);
      bool blank = BlockState.blinkPhase == 1;
      // The block shows cell 0 in the blank phase, its own cells otherwise;
      // the rest of the window always its own cells.
      EXPECT_EQ(EditGrid.displayLayer[GridIndex(2, 2)], blank ? 0 : 34);
      EXPECT_EQ(EditGrid.displayLayer[GridIndex(3, 3)], blank ? 0 : 51);
      EXPECT_EQ(EditGrid.displayLayer[GridIndex(4, 3)], 52);
      EXPECT_EQ(CellAt(3, 3), 51);
    }
    EXPECT_EQ(redraws, (std::vector<int>{8, 16, 24, 32}));

    // A block that grows while blanked: the display layer follows at once,
    // the screen at the next change.
    for (int turn = 0; turn < 8; ++turn) BlinkBlock();
    ASSERT_EQ(BlockState.blinkPhase, 1);
    Press(VK_RIGHT, true);
    BlinkBlock();
    EXPECT_EQ(EditGrid.displayLayer[GridIndex(4, 3)], 0);
  });
}

TEST_F(Block, FirstChangeOfANewBlinkComesOneToEightTurnsAfterItStarts) {
  Inside([] {
    FillEditGrid();
    for (int left = 0; left < 8; ++left) {
      // A blink stopped in the shown phase after `left` turns keeps its
      // counter.
      Mark(2, 2, 1, 0);
      for (int turn = 0; turn < left; ++turn) BlinkBlock();
      ASSERT_EQ(BlockState.blinkPhase, 0);
      Press(VK_RIGHT);
      BlinkBlock();  // idle: nothing happens
      ASSERT_EQ(BlockState.blinkCounter, left);
      Mark(5, 5, 1, 0);
      int turns = 0;
      for (; BlockState.blinkPhase == 0 && turns < 20; ++turns) BlinkBlock();
      EXPECT_EQ(turns, 8 - left) << "counter " << left;
      // Ending the selection in the blank phase puts the cells back with a
      // redraw on the next turn and starts the counter afresh.
      Press(VK_ESCAPE);
      EXPECT_FALSE(BlockState.blinking);
      Scribble();
      BlinkBlock();
      EXPECT_TRUE(Redrawn());
      EXPECT_EQ(BlockState.blinkPhase + BlockState.blinkCounter, 0);
      EXPECT_EQ(EditGrid.displayLayer[GridIndex(5, 5)], GridIndex(5, 5));
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
    EXPECT_EQ(AreaRecord(0)[GridIndex(3, 3)], 51);
    EXPECT_EQ(AreaRecord(0)[GridIndex(4, 3)], 52);
    EXPECT_EQ(AreaRecord(0)[160 + GridIndex(4, 3)], 152);
  });
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

}  // namespace
