// The animation preview: chains of the cell-id table stepping every six
// vertical blanks, the stored slot as its source, its tick carried across
// previews, and the ways it ends.
#include "area/animation_preview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "area/area_slots.h"
#include "area/editor_state.h"
#include "files/area_set.h"
#include "shell/display.h"
#include "shell/program.h"
#include "tests/platform_double.h"

namespace {

// Chains of the test's cell-id table: 10 <-> 11; 20 -> 21 -> 22 -> 20;
// 30 -> 31 -> 32, which stands; 60 -> 60; every other cell stands (0), and
// 50 stands through the other mark (255).
std::vector<std::uint8_t> ChainIds() {
  std::vector<std::uint8_t> ids(256, 0);
  ids[10] = 11;
  ids[11] = 10;
  ids[20] = 21;
  ids[21] = 22;
  ids[22] = 20;
  ids[30] = 31;
  ids[31] = 32;
  ids[50] = 255;
  ids[60] = 60;
  return ids;
}

// Positions of the test area.
constexpr int Pair = 0, Triple = 17, Chain = 34, Marked = 51, Self = 159, Plain = 80;

void StoreTestArea(int area) {
  std::uint8_t* slot = AreaRecord(static_cast<std::size_t>(area));
  std::memset(slot, 0, 160);
  slot[Pair] = 10;
  slot[Triple] = 20;
  slot[Chain] = 30;
  slot[Marked] = 50;
  slot[Self] = 60;
  slot[Plain] = 7;
}

// True when preview position i shows the cell's bitmap one to one.
bool Shows(const std::vector<std::uint8_t>& screen, int i, int cell) {
  int left = 32 + 16 * (i % 16), top = 16 + 16 * (i / 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (screen[640 * (top + y) + left + x] != dbl::CellPixel(cell, x, y)) return false;
  return true;
}

bool ShowsArea(const std::vector<std::uint8_t>& screen, const std::uint8_t* cells) {
  for (int i = 0; i < 160; ++i)
    if (!Shows(screen, i, cells[i])) return false;
  return true;
}

class Preview : public ::testing::Test {
 protected:
  void SetUp() override {
    dbl::EnterTempDir();
    dbl::WriteTestBank();
    dbl::WriteFile("Cells.id", ChainIds());
    dbl::Reset();
    dbl::AnswerOpen("");
  }

  // What position i shows at each PeekMessage of the preview, one per turn,
  // the first before any turn has passed.
  struct Trace {
    std::vector<int> pair, triple, chain, marked;
    std::vector<std::uint64_t> blanks;
  };
  static int Showing(const std::vector<std::uint8_t>& screen, int i,
                     std::initializer_list<int> cells) {
    for (int cell : cells)
      if (Shows(screen, i, cell)) return cell;
    return -1;
  }
  static void TraceTurns(Trace& trace, int turns) {
    for (int turn = 0; turn < turns; ++turn) {
      dbl::Do([&trace] {
        std::vector<std::uint8_t> screen = dbl::Screen();
        trace.pair.push_back(Showing(screen, Pair, {10, 11}));
        trace.triple.push_back(Showing(screen, Triple, {20, 21, 22}));
        trace.chain.push_back(Showing(screen, Chain, {30, 31, 32}));
        trace.marked.push_back(Showing(screen, Marked, {50, 255}));
        trace.blanks.push_back(emu::Display.verticalBlanks);
      });
      if (turn + 1 < turns) dbl::Idle(1);
    }
  }
};

TEST_F(Preview, ChainsStepOnceEverySixBlanks) {
  dbl::Do([] {
    StoreTestArea(0);
    LoadArea();
  });
  dbl::Key(VK_F4);
  Trace trace;
  TraceTurns(trace, 20);
  std::vector<std::uint8_t> scribbled;  // the screen after scribbling on every still cell
  dbl::Do([&] {
    EXPECT_EQ(AnimationTick, 19u % 6);
    // Still cells are never drawn again; a cell that names itself is.
    LockFrame();
    for (int i : {Marked, Self, Plain}) *FramePixel(32 + 16 * (i % 16), 16 + 16 * (i / 16)) = 0xEE;
    UnlockFrame();
  });
  dbl::Idle(6);
  dbl::Do([&] { scribbled = dbl::Screen(); });
  dbl::Key(VK_ESCAPE);
  dbl::Do([] {
    // The stored slot and the area being edited are as they were.
    EXPECT_EQ(AreaRecord(0)[Pair], 10);
    EXPECT_EQ(AreaRecord(0)[Chain], 30);
    EXPECT_EQ(EditGrid.cellLayer[Pair], 10);
  });
  EXPECT_EQ(dbl::RunProgram(), 0u);

  ASSERT_EQ(trace.pair.size(), 20u);
  for (std::size_t turn = 0; turn < 20; ++turn) {
    SCOPED_TRACE(testing::Message() << "turn " << turn);
    std::size_t steps = turn / 6;
    EXPECT_EQ(trace.blanks[turn] - trace.blanks[0], turn);  // one blank a turn
    EXPECT_EQ(trace.pair[turn], steps % 2 == 0 ? 10 : 11);
    EXPECT_EQ(trace.triple[turn], 20 + static_cast<int>(steps % 3));
    EXPECT_EQ(trace.chain[turn], 30 + static_cast<int>(std::min<std::size_t>(steps, 2)));
    EXPECT_EQ(trace.marked[turn], 50);
  }
  ASSERT_FALSE(scribbled.empty());
  EXPECT_EQ(scribbled[640 * (16 + 16 * 3) + 32 + 16 * 3], 0xEE);  // Marked (50 -> 255)
  EXPECT_EQ(scribbled[640 * (16 + 16 * 5) + 32], 0xEE);           // Plain (7 -> 0)
  EXPECT_EQ(scribbled[640 * (16 + 16 * 9) + 32 + 16 * 15], dbl::CellPixel(60, 0, 0));
}

TEST_F(Preview, ShowsTheStoredSlotNotTheEditGrid) {
  dbl::Do([] {
    StoreTestArea(0);
    LoadArea();
    AreaEditorState.selectedCell = 99;
  });
  dbl::Key(VK_SPACE);  // cell 99 at (0, 0), not stored
  dbl::Key(VK_F4);
  dbl::Do([] {
    std::vector<std::uint8_t> screen = dbl::Screen();
    EXPECT_TRUE(Shows(screen, Pair, 10));
    EXPECT_TRUE(Shows(screen, Plain, 7));
    // Nothing but the area is drawn.
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x)
        if (x < 32 || x >= 288 || y < 16 || y >= 176) {
          ASSERT_EQ(screen[640 * y + x], 0) << x << ", " << y;
        }
  });
  dbl::Key(VK_ESCAPE);
  dbl::Key(VK_F2);
  dbl::Key(VK_F4);
  dbl::Do([] { EXPECT_TRUE(Shows(dbl::Screen(), Pair, 99)); });
  dbl::Key(VK_ESCAPE);
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

TEST_F(Preview, EveryPreviewStartsFromTheStoredAreaAndTheTickRunsOn) {
  dbl::Do([] { StoreTestArea(0); });
  dbl::Key(VK_F4);
  Trace first;
  TraceTurns(first, 11);  // one step, then four more turns
  dbl::Key(VK_ESCAPE);
  std::uint32_t tickBetween = 99;
  dbl::Do([&] { tickBetween = AnimationTick; });
  dbl::Key(VK_F4);
  Trace second;
  TraceTurns(second, 3);
  dbl::Key(VK_ESCAPE);
  EXPECT_EQ(dbl::RunProgram(), 0u);

  EXPECT_EQ(first.pair.back(), 11);
  EXPECT_EQ(first.chain.back(), 31);
  EXPECT_EQ(tickBetween, 4u);  // Esc took no turn of its own
  // The second preview starts from the stored picture and steps after two
  // turns, where the first one left the tick.
  EXPECT_EQ(second.pair, (std::vector<int>{10, 10, 11}));
  EXPECT_EQ(second.chain, (std::vector<int>{30, 30, 31}));
}

TEST_F(Preview, EscapeInAnyMessageEndsItAndOtherKeysAreDropped) {
  dbl::Do([] { StoreTestArea(0); });
  dbl::Key(VK_F4);
  dbl::Key('G');
  dbl::Key(VK_F1);  // would show the help page in the area editor
  dbl::Key(VK_RIGHT);
  dbl::Message(0x0102, 'a');  // WM_CHAR
  bool inPreview = false;
  dbl::Do([&] { inPreview = Shows(dbl::Screen(), Plain, 7); });
  dbl::Message(WM_KEYUP, VK_ESCAPE);
  std::int32_t cursorAfter = -1;
  dbl::Do([&] { cursorAfter = AreaEditorState.cursorX; });
  dbl::Key(VK_RIGHT);  // the area editor has the keys again
  dbl::Do([&] { EXPECT_EQ(AreaEditorState.cursorX, 1); });
  EXPECT_EQ(dbl::RunProgram(), 0u);
  EXPECT_TRUE(inPreview);
  EXPECT_EQ(cursorAfter, 0);
}

TEST_F(Preview, EscapeRestoresTheScreenByteForByte) {
  for (std::int32_t pitch : {640, 1024}) {
    SCOPED_TRACE(testing::Message() << "pitch " << pitch);
    dbl::Reset(pitch);
    dbl::AnswerOpen("");
    std::vector<std::uint8_t> before, during, after;
    std::size_t padding = static_cast<std::size_t>(pitch - 640);
    int untouchedRows = 0;
    dbl::Do([&] {
      StoreTestArea(0);
      // Bytes right of the picture belong to no one and stay as they are.
      for (int y = 0; y < 480; ++y)
        std::fill_n(emu::Display.surface + pitch * y + 640, padding, 0x5A);
      before = dbl::Screen();
      RunAnimationPreview();
      after = dbl::Screen();
      for (int y = 0; y < 480; ++y) {
        const std::uint8_t* pad = emu::Display.surface + pitch * y + 640;
        untouchedRows += std::all_of(pad, pad + padding, [](std::uint8_t b) { return b == 0x5A; });
      }
    });
    dbl::Idle(7);
    dbl::Do([&] { during = dbl::Screen(); });
    dbl::Key(VK_ESCAPE);
    EXPECT_EQ(dbl::RunProgram(), 0u);
    EXPECT_TRUE(Shows(during, Pair, 11));
    EXPECT_TRUE(before == after);
    EXPECT_EQ(untouchedRows, 480);
  }
}

TEST_F(Preview, PreviewsTheCurrentAreaFromEitherWindow) {
  dbl::Do([] {
    StoreTestArea(3);
    AreaEditorState.currentArea = 2;
  });
  dbl::Key(VK_ADD);
  dbl::Key(VK_TAB);
  dbl::Key(VK_F4, true);
  dbl::Do([] {
    std::uint8_t cells[160];
    std::memcpy(cells, AreaRecord(3), 160);
    EXPECT_TRUE(ShowsArea(dbl::Screen(), cells));
  });
  dbl::Idle(6);
  dbl::Do([] { EXPECT_TRUE(Shows(dbl::Screen(), Triple, 21)); });
  dbl::Key(VK_ESCAPE);
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

TEST_F(Preview, UsesTheLoadedBankAndIdTableNotTheSetsCopies) {
  // An area set whose copies of the bank and the table are empty.
  std::vector<std::uint8_t> set(AreaSetSize, 0);
  set[Pair] = 10;
  set[1] = 255;
  dbl::WriteFile("old.out", set);
  dbl::Reset();
  dbl::AnswerOpen("old.out");
  dbl::Key(VK_F4);
  dbl::Do([] {
    EXPECT_TRUE(Shows(dbl::Screen(), Pair, 10));
    EXPECT_TRUE(Shows(dbl::Screen(), 1, 255));
  });
  dbl::Idle(6);
  dbl::Do([] { EXPECT_TRUE(Shows(dbl::Screen(), Pair, 11)); });
  dbl::Key(VK_ESCAPE);
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

TEST_F(Preview, DestroyEndsTheProgramAtOnceWithTheMessagesWParam) {
  dbl::Do([] { StoreTestArea(0); });
  dbl::Key(VK_F4);
  dbl::Idle(3);
  std::uint64_t blanks = 0;
  dbl::Do([&] { blanks = emu::Display.verticalBlanks; });
  dbl::Message(WM_SYSCOMMAND, SC_CLOSE);
  EXPECT_EQ(dbl::RunProgram(), SC_CLOSE);
  EXPECT_EQ(ProgramState.running, 0u);
  // No orderly shutdown, and not another turn: the preview is still shown.
  EXPECT_TRUE(emu::Display.modeSet);
  EXPECT_EQ(emu::Display.verticalBlanks, blanks + 1);
  EXPECT_TRUE(Shows(dbl::Screen(), Pair, 10));

  dbl::Reset();
  dbl::AnswerOpen("");
  dbl::Key(VK_F4);
  dbl::Message(WM_CLOSE);
  EXPECT_EQ(dbl::RunProgram(), 0u);
  EXPECT_EQ(ProgramState.running, 0u);
  EXPECT_TRUE(emu::Display.modeSet);
}

TEST_F(Preview, QuitEndsTheProgramFromInside) {
  dbl::Do([] { StoreTestArea(0); });
  dbl::Key(VK_F4);
  dbl::Message(WM_QUIT, 9);
  EXPECT_EQ(dbl::RunProgram(), 9u);
  EXPECT_FALSE(emu::Display.modeSet);  // the orderly end
  EXPECT_TRUE(emu::CursorVisible());
}

}  // namespace
