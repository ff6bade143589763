// The Word Map against the platform double: the screen of a new set, each
// slot's thumbnail and the previews sampled from their areas, how the cursor
// and the two windows scroll and wrap, SPACE and TAB, its state across
// visits, and the pace of its loop. Leaving it is tested end to end.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "area/editor_state.h"
#include "draw/cursor.h"
#include "draw/tables.h"
#include "files/area_set.h"
#include "tests/unit/program_test.h"
#include "worldmap/word_map_state.h"

namespace {

using Picture = std::vector<std::uint8_t>;

// A set in which every area and every map entry differs from its neighbours.
int CraftedCell(int area, int i, int j) { return (area * 5 + i + 16 * j) % 256; }
int CraftedEntry(int x, int y) { return (x * 7 + y * 13 + 1) % 256; }

void WriteCraftedSet(const std::string& path) {
  Picture set(AreaSetSize, 0);
  for (int a = 0; a < 256; ++a)
    for (int k = 0; k < 160; ++k)
      set[AreaRecordSize * a + k] = static_cast<std::uint8_t>(CraftedCell(a, k % 16, k / 16));
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x)
      set[WordMapGridOffset + 256 * y + x] = static_cast<std::uint8_t>(CraftedEntry(x, y));
  dbl::WriteFile(path, set);
}

int CellOf(int area, int i, int j) {
  return AreaRecord(static_cast<std::size_t>(area))[16 * j + i];
}

// The cursor colour at a PeekMessage that follows a drawn turn.
std::uint8_t DrawnColour() { return static_cast<std::uint8_t>((CursorColourCounter + 15) % 16); }

bool MaskSet(int x, int y) { return WordMapCursorMask[16 * (y / 2) + x / 2] != 0; }

// The w x h block at (left, top) of the screen is pixel(x, y) throughout.
template <typename Pixel>
::testing::AssertionResult Shows(const Picture& screen, int left, int top, int w, int h,
                                 Pixel pixel) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (screen[640 * (top + y) + left + x] != pixel(x, y))
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") of the block at ("
                                             << left << ", " << top << ")";
  return ::testing::AssertionSuccess();
}

bool Filled(const Picture& screen, int left, int top, int w, int h, std::uint8_t value) {
  return Shows(screen, left, top, w, h, [=](int, int) { return value; });
}

// The slot at (left, top) shows the area's thumbnail, sampled from the test
// bank's cells; with a cursor colour, the mask's pixels show that instead.
::testing::AssertionResult SlotShows(const Picture& screen, int left, int top, int area,
                                     int cursorColour = -1) {
  return Shows(screen, left, top, SlotWidth, SlotHeight, [=](int x, int y) {
    if (cursorColour >= 0 && MaskSet(x, y)) return cursorColour;
    return int{dbl::CellPixel(CellOf(area, x / 2, y / 2), x % 2 ? 8 : 4, y % 2 ? 12 : 4)};
  });
}

::testing::AssertionResult PreviewShows(const Picture& screen, int left, int top, int area) {
  return Shows(screen, left, top, 128, 80, [=](int x, int y) {
    return dbl::CellPixel(CellOf(area, x / 8, y / 8), 2 * (x % 8), 2 * (y % 8));
  });
}

int MapEntry(std::uint32_t x, std::uint32_t y) { return WordMapGrid()[256 * y + x]; }

// Every slot of both windows shows its own area; the active window's cursor
// slot has the cursor over it when one has been drawn.
void ExpectWindows(const Picture& screen, bool cursorDrawn = true) {
  const WordMapStateRecord& s = WordMapState;
  const int originX[2] = {128, 0}, originY[2] = {0, 400};
  const std::uint32_t width[2] = {16, 20}, height[2] = {16, 4};
  for (std::uint32_t w = 0; w < 2; ++w)
    for (std::uint32_t q = 0; q < height[w]; ++q)
      for (std::uint32_t p = 0; p < width[w]; ++p) {
        int area = w == MapWindow ? MapEntry(s.mapScrollColumn + p, s.mapScrollRow + q)
                                  : static_cast<int>((20 * (s.pickerScrollRow + q) + p) % 256);
        bool cursor = cursorDrawn && w == s.activeWindow && p == s.cursorColumn && q == s.cursorRow;
        ASSERT_TRUE(SlotShows(screen, originX[w] + 32 * static_cast<int>(p),
                              originY[w] + 20 * static_cast<int>(q), area,
                              cursor ? DrawnColour() : -1))
            << "window " << w << ", slot " << p << ", " << q;
      }
}

void Keys(OsWParam key, int times) {
  for (int i = 0; i < times; ++i) dbl::Key(key);
}

class WordMap : public ProgramTest {
 protected:
  void StartOnCraftedSet() {
    WriteCraftedSet("set.out");
    dbl::AnswerOpen("set.out");
  }
};

TEST_F(WordMap, PickerWalksAcrossLineEndsAndStopsAtLineNine) {
  StartOnCraftedSet();
  dbl::Key(VK_F5);
  dbl::Key(VK_TAB);
  // A redraw of the picker leaves the previous cursor on the cursor.
  auto expectAt = [](std::uint32_t column, std::uint32_t row, std::uint32_t scroll, bool redrawn) {
    dbl::Do([=] {
      const WordMapStateRecord& s = WordMapState;
      EXPECT_EQ(s.cursorColumn, column);
      EXPECT_EQ(s.cursorRow, row);
      EXPECT_EQ(s.pickerScrollRow, scroll);
      EXPECT_EQ(s.previousColumn == s.cursorColumn && s.previousRow == s.cursorRow, redrawn);
    });
  };
  dbl::Key(VK_LEFT);  // from (0, 0) at line 0: nothing to scroll, drawn again
  expectAt(19, 0, 0, true);
  dbl::Key(VK_RIGHT);  // from the line's end to the next line's start
  expectAt(0, 1, 0, false);
  dbl::Key(VK_LEFT);
  expectAt(19, 0, 0, false);
  Keys(VK_DOWN, 3 + 2);
  dbl::Key(VK_RIGHT);  // from (19, 3) at line 2 to area 120 at line 3
  expectAt(0, 3, 3, true);
  dbl::Idle(2);
  dbl::Do([] {
    Picture screen = dbl::Screen();
    ExpectWindows(screen);  // areas 60..139
    EXPECT_TRUE(SlotShows(screen, 32 * 19, 460, 139));
    EXPECT_TRUE(PreviewShows(screen, 0, 100, 120));
  });
  Keys(VK_DOWN, 6);
  dbl::Key(VK_LEFT);
  dbl::Key(VK_DOWN);
  expectAt(19, 3, 9, false);
  dbl::Key(VK_RIGHT);  // at line 9 the cursor goes round without a scroll
  expectAt(0, 3, 9, true);

  // Line 9 is the last; its last four slots show areas 0..3 and select 255.
  Keys(VK_DOWN, 4);
  Keys(VK_RIGHT, 16);
  dbl::Idle(2);
  dbl::Do([] {
    EXPECT_EQ(WordMapState.pickerScrollRow, 9u);
    EXPECT_EQ(WordMapState.cursorRow, 3u);
    Picture screen = dbl::Screen();
    ExpectWindows(screen);
    EXPECT_TRUE(SlotShows(screen, 32 * 15, 460, 255));
  });
  for (std::uint32_t shown = 0; shown < 4; ++shown) {
    dbl::Key(VK_SPACE);
    dbl::Idle(2);
    dbl::Do([shown] {
      EXPECT_EQ(WordMapState.cursorColumn, 16 + shown);
      EXPECT_EQ(WordMapState.selectedArea, 255u);
      EXPECT_EQ(WordMapState.areaUnderCursor, 256 + shown);
      Picture screen = dbl::Screen();
      EXPECT_TRUE(PreviewShows(screen, 0, 0, 255));
      EXPECT_TRUE(PreviewShows(screen, 0, 100, static_cast<int>(shown)));
    });
    dbl::Key(VK_RIGHT);
  }
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

TEST_F(WordMap, MapScrollsUpTo240AndBack) {
  StartOnCraftedSet();
  dbl::Key(VK_F5);
  Keys(VK_RIGHT, 15 + 240 + 3);
  Keys(VK_DOWN, 15 + 240 + 3);
  dbl::Idle(2);
  dbl::Do([] {
    const WordMapStateRecord& s = WordMapState;
    EXPECT_EQ(s.mapScrollColumn, 240u);
    EXPECT_EQ(s.mapScrollRow, 240u);
    EXPECT_EQ(s.cursorColumn, 15u);
    EXPECT_EQ(s.cursorRow, 15u);
    Picture screen = dbl::Screen();
    ExpectWindows(screen);
    EXPECT_TRUE(SlotShows(screen, 128 + 32 * 15, 300, CraftedEntry(255, 255), DrawnColour()));
    EXPECT_TRUE(PreviewShows(screen, 0, 100, CraftedEntry(255, 255)));
  });
  Keys(VK_LEFT, 15 + 240 + 3);
  Keys(VK_UP, 15 + 240 + 3);
  dbl::Idle(2);
  dbl::Do([] {
    const WordMapStateRecord& s = WordMapState;
    EXPECT_EQ(s.mapScrollColumn + s.mapScrollRow + s.cursorColumn + s.cursorRow, 0u);
    ExpectWindows(dbl::Screen());
  });
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

TEST_F(WordMap, StampsAndCursorsOutliveAVisitButNotTheSelectedPreview) {
  StartOnCraftedSet();
  AreaEditorStateRecord editor{};
  dbl::Do([&] { editor = AreaEditorState; });
  dbl::Key(VK_F5);
  dbl::Key(VK_SPACE);  // nothing selected yet: area 0
  dbl::Do([] { EXPECT_EQ(MapEntry(0, 0), 0); });
  dbl::Key(VK_RIGHT);
  dbl::Key(VK_TAB);  // each window has a cursor of its own
  dbl::Do([] {
    EXPECT_EQ(WordMapState.activeWindow, AreaPicker);
    EXPECT_EQ(WordMapState.cursorColumn + WordMapState.cursorRow, 0u);
  });
  Keys(VK_RIGHT, 7);
  Keys(VK_DOWN, 2);
  dbl::Key(VK_SPACE);  // area 47
  dbl::Key(VK_TAB);    // back at map (1, 0)
  Keys(VK_RIGHT, 17);  // map scrolled by 3
  Keys(VK_DOWN, 2);
  dbl::Key(VK_SPACE);
  dbl::Key(VK_F3);
  dbl::Do([] {
    EXPECT_EQ(MapEntry(18, 2), 47);
    EXPECT_EQ(MapEntry(17, 2), CraftedEntry(17, 2));
    // F3 stores the map at its place in the file, and every area with it.
    Picture saved = dbl::ReadFile("set.out");
    EXPECT_EQ(saved[0x24400 + 256 * 2 + 18] * 1000 + saved[0x24400 + 256 * 2 + 17],
              47 * 1000 + CraftedEntry(17, 2));
    EXPECT_EQ(saved[320 * 255 + 159], CraftedCell(255, 15, 9));
    // The new thumbnail shows at once, under the cursor.
    EXPECT_TRUE(SlotShows(dbl::Screen(), 128 + 32 * 15, 40, 47, DrawnColour()));
  });
  dbl::Key(VK_LEFT);
  dbl::Key(VK_TAB);
  dbl::Key(VK_TAB);
  dbl::Idle(2);
  dbl::Do([] {
    EXPECT_EQ(WordMapState.activeWindow, MapWindow);
    EXPECT_EQ(WordMapState.cursorColumn, 14u);
    EXPECT_EQ(WordMapState.cursorRow, 2u);
    // The stamp is left behind; each window is left clean, and the cursor
    // shows only in the active one.
    Picture screen = dbl::Screen();
    EXPECT_TRUE(SlotShows(screen, 128 + 32 * 15, 40, 47));
    ExpectWindows(screen);
  });
  dbl::Key(VK_TAB);
  dbl::Key(VK_ESCAPE);
  dbl::Do([&] { EXPECT_EQ(std::memcmp(&editor, &AreaEditorState, sizeof editor), 0); });
  dbl::Idle(2);
  dbl::Key(VK_F5);
  dbl::Idle(2);
  dbl::Do([] {
    const WordMapStateRecord& s = WordMapState;
    EXPECT_EQ(s.activeWindow, AreaPicker);
    EXPECT_EQ(s.cursorColumn, 7u);
    EXPECT_EQ(s.cursorRow, 2u);
    EXPECT_EQ(s.mapScrollColumn, 3u);
    EXPECT_EQ(s.savedCursor[MapWindow].column, 14u);
    EXPECT_EQ(s.selectedArea, 47u);
    Picture screen = dbl::Screen();
    EXPECT_TRUE(Filled(screen, 0, 0, 128, 80, 0));
    ExpectWindows(screen);
  });
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

TEST_F(WordMap, TurnsAndKeysThatDoNothing) {
  Pace pace;
  dbl::Key(VK_F5);
  pace.Note();
  dbl::Idle(4);  // two idle turns of two blanks each
  pace.Note();
  dbl::Do([] {
    // On a new set every slot shows area 0, and so does the preview of the
    // area under the cursor; the rest is background.
    Picture screen = dbl::Screen();
    ExpectWindows(screen);
    EXPECT_TRUE(PreviewShows(screen, 0, 100, 0));
    EXPECT_TRUE(Filled(screen, 0, 0, 128, 100, 0));
    EXPECT_TRUE(Filled(screen, 0, 180, 128, 220, 0));
    EXPECT_TRUE(Filled(screen, 128, 320, 512, 80, 0));
  });
  for (OsWParam key : {VK_F1, VK_F2, VK_F4, VK_F5, VK_ADD, VK_DELETE, OsWParam{'G'}}) dbl::Key(key);
  pace.Note();  // one blank per key turn
  dbl::Do([] {
    EXPECT_EQ(WordMapState.cursorColumn + WordMapState.cursorRow, 0u);
    EXPECT_EQ(WordMapState.mapScrollColumn + WordMapState.mapScrollRow, 0u);
    EXPECT_EQ(AreaEditorState.currentArea, 0);
  });
  dbl::Key(0x100 | VK_RIGHT);  // only the low byte counts
  dbl::Do([] { EXPECT_EQ(WordMapState.cursorColumn, 1u); });
  EXPECT_EQ(dbl::RunProgram(), 0u);
  EXPECT_EQ(dbl::Calls.saveDialogs, 0);
  EXPECT_EQ(pace.Steps(), (decltype(pace.Steps()){{4, 2}, {7, 7}}));
}

}  // namespace
