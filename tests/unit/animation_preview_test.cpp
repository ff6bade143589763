// The animation preview: chains of the cell-id table stepping every six
// vertical blanks, the tick carried from one preview to the next, the stored
// slot and the bank's own files as its source, its prompt, and the ways it
// ends.
#include "screens/animation_preview.h"

#include <algorithm>
#include <cstring>

#include "area/area_slots.h"
#include "files/area_set.h"
#include "runtime/display.h"
#include "tests/unit/program_test.h"

namespace {

// Positions of the test area, and what they hold.
constexpr int Pair = 0, Triple = 17, Chain = 34, Marked = 51, Self = 159, Plain = 80;

void StoreTestArea() {
  std::uint8_t* area = AreaRecord(static_cast<std::size_t>(AreaEditorState.currentArea));
  std::memset(area, 0, 160);
  const int cells[][2] = {{Pair, 10},   {Triple, 20}, {Chain, 30},
                          {Marked, 50}, {Self, 60},   {Plain, 7}};
  for (auto [at, cell] : cells) area[at] = static_cast<std::uint8_t>(cell);
}

// The cell among the candidates that preview position i shows one to one; -1 if none.
int Showing(const Picture& screen, int i, std::initializer_list<int> cells) {
  for (int cell : cells)
    if (Shows(screen, 32 + 16 * (i % 16), 16 + 16 * (i / 16), 16, 16,
              [cell](int x, int y) { return dbl::CellPixel(cell, x, y); }))
      return cell;
  return -1;
}

class Preview : public ProgramTest {
 protected:
  // Chains of the cell-id table: 10 <-> 11; 20 -> 21 -> 22 -> 20; 30 -> 31 ->
  // 32, which stands; 60 -> 60; others stand (0), 50 through the other mark (255).
  void SetUp() override {
    ProgramTest::SetUp();
    std::vector<std::uint8_t> ids(256, 0);
    const int chains[][2] = {{10, 11}, {11, 10}, {20, 21},  {21, 22}, {22, 20},
                             {30, 31}, {31, 32}, {50, 255}, {60, 60}};
    for (auto [cell, next] : chains) ids[cell] = static_cast<std::uint8_t>(next);
    dbl::WriteFile("Cells.id", ids);
  }
};

// At a wider pitch, whose bytes right of the picture stay as they are; Esc
// gives the screen back byte for byte.
TEST_F(Preview, ChainsStepOnceEverySixBlanksTheTickCarriesOverAndEscRestoresTheScreen) {
  static constexpr int pitch = 1024;
  dbl::Reset(pitch);
  dbl::Do([] {
    StoreTestArea();
    LoadArea();
    // The set's own copies of the bank and the table are not the source.
    std::memset(AreaSetImage + AreaSetBankCopyOffset, 0, CellBankUsedSize);
    std::memset(AreaSetImage + AreaSetIdCopyOffset, 0, CellIdTableSize);
    for (int y = 0; y < 480; ++y) std::fill_n(emu::Display.surface + pitch * y + 640, 384, 0x5A);
    Picture before = dbl::Screen();
    RunAnimationPreview();  // through the turns below
    EXPECT_TRUE(before == dbl::Screen());
    for (int y = 0; y < 480; ++y)
      ASSERT_EQ(std::count(emu::Display.surface + pitch * y + 640,
                           emu::Display.surface + pitch * (y + 1), 0x5A),
                384)
          << y;
  });
  // What Pair, Triple, Chain and Marked show at each turn, and the blanks by then.
  std::vector<std::array<int, 4>> shown;
  std::vector<std::uint64_t> blanks;
  auto turns = [&](int count) {
    for (int turn = 0; turn < count; ++turn) {
      if (turn > 0) dbl::Idle(1);
      dbl::Do([&] {
        Picture s = dbl::Screen();
        shown.push_back({Showing(s, Pair, {10, 11}), Showing(s, Triple, {20, 21, 22}),
                         Showing(s, Chain, {30, 31, 32}), Showing(s, Marked, {50, 255})});
        blanks.push_back(emu::Display.verticalBlanks);
      });
    }
  };
  dbl::Do([] {  // nothing drawn around the 256 x 160 preview
    Picture s = dbl::Screen();
    for (int k = 0; k < 640 * 480; ++k)
      ASSERT_TRUE(s[k] == 0 || (k % 640 >= 32 && k % 640 < 288 && k / 640 >= 16 && k / 640 < 176));
  });
  turns(20);
  dbl::Do([] {  // still cells are never drawn again; a cell that names itself is
    EXPECT_EQ(AnimationTick, 19u % 6);
    LockFrame();
    for (int i : {Marked, Self, Plain}) *FramePixel(32 + 16 * (i % 16), 16 + 16 * (i / 16)) = 0xEE;
    UnlockFrame();
  });
  dbl::Idle(6);
  dbl::Do([] {
    Picture s = dbl::Screen();
    auto at = [&](int i) { return int{s[640 * (16 + 16 * (i / 16)) + 32 + 16 * (i % 16)]}; };
    EXPECT_EQ((std::array{at(Marked), at(Plain), at(Self)}),
              (std::array{0xEE, 0xEE, int{dbl::CellPixel(60, 0, 0)}}));
  });
  dbl::Key(VK_ESCAPE);
  dbl::Do([] {  // the stored slot and the area being edited as they were
    EXPECT_EQ(AreaRecord(0)[Pair] + AreaRecord(0)[Chain] + EditGrid.cellLayer[Pair], 10 + 30 + 10);
  });
  // The next preview starts from its slot, one turn from the next step.
  dbl::Key(VK_F4);
  turns(6);
  dbl::Key(VK_ESCAPE);
  EXPECT_EQ(dbl::RunProgram(), 0u);

  ASSERT_EQ(shown.size(), 26u);
  for (int turn = 0; turn < 20; ++turn) {
    int steps = turn / 6;
    EXPECT_EQ(blanks[turn] - blanks[0], static_cast<std::uint64_t>(turn));  // one blank a turn
    EXPECT_EQ(shown[turn], (std::array<int, 4>{steps % 2 == 0 ? 10 : 11, 20 + steps % 3,
                                               30 + std::min(steps, 2), 50}))
        << "turn " << turn;
  }
  for (int turn = 20; turn < 26; ++turn)
    EXPECT_EQ(shown[turn][0], turn < 25 ? 10 : 11) << "turn " << turn - 20 << " of the next";
}

TEST_F(Preview, ShowsTheStoredSlotSaysSoAndOnlyEscEndsIt) {
  dbl::Do([] {
    AreaEditorState.currentArea = 3;
    StoreTestArea();
    LoadArea();
    AreaEditorState.selectedCell = 99;
  });
  dbl::Key(VK_SPACE);  // cell 99 at (0, 0), not stored
  dbl::Key(VK_TAB);    // F4 works from the selector too, Shift or not
  dbl::Key(VK_F4, true);
  // Other keys, F1 included, and characters are dropped.
  Keys({'G', VK_F1, VK_RIGHT});
  dbl::Message(0x0102, 'a');  // WM_CHAR
  dbl::Do([] {
    EXPECT_EQ(Showing(dbl::Screen(), Pair, {10}) + Showing(dbl::Screen(), Plain, {7}), 17);
    EXPECT_STREQ(dbl::Calls.status.prompt, "Preview of area 3 as stored");
  });
  dbl::Message(WM_KEYUP, VK_ESCAPE);  // a key release of Esc ends it too
  dbl::Do([] {
    EXPECT_EQ(AreaEditorState.cursorX, 0);
    EXPECT_STREQ(dbl::Calls.status.prompt, "");
  });
  Keys({VK_F2, VK_F4});  // the area editor has the keys again
  dbl::Do([] { EXPECT_EQ(Showing(dbl::Screen(), Pair, {99}), 99); });
  dbl::Key(VK_ESCAPE);
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

}  // namespace
