// The Word Map on the platform double: thumbnails and previews, how cursor and
// windows scroll and wrap, SPACE and TAB, its state across visits.
#include <cstring>
#include <random>

#include "data/tables.h"
#include "files/area_set.h"
#include "tests/unit/program_test.h"
#include "worldmap/word_map_state.h"

namespace {

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

// The slot at (left, top) shows the area's thumbnail, sampled from the test
// bank's cells, or ground for a number past 255; with a cursor colour, the
// mask's pixels show that instead.
::testing::AssertionResult SlotShows(const Picture& screen, int left, int top, int area,
                                     int cursorColour = -1) {
  return Shows(screen, left, top, SlotWidth, SlotHeight, [=](int x, int y) {
    if (cursorColour >= 0 && WordMapCursorMask[16 * (y / 2) + x / 2]) return cursorColour;
    if (area > 255) return 0;
    return int{dbl::CellPixel(CellOf(area, x / 2, y / 2), x % 2 ? 8 : 4, y % 2 ? 12 : 4)};
  });
}

::testing::AssertionResult PreviewShows(const Picture& screen, int left, int top, int area) {
  return Shows(screen, left, top, 128, 80, [=](int x, int y) {
    if (area > 255) return 0;
    return int{dbl::CellPixel(CellOf(area, x / 8, y / 8), 2 * (x % 8), 2 * (y % 8))};
  });
}

int MapEntry(std::uint32_t x, std::uint32_t y) { return WordMapGrid()[256 * y + x]; }

// Every slot shows its own area, the active window's cursor slot the cursor.
void ExpectWindows(const Picture& screen) {
  const WordMapStateRecord& s = WordMapState;
  const int originX[2] = {128, 0}, originY[2] = {0, 400};
  const std::uint32_t width[2] = {16, 20}, height[2] = {16, 4};
  for (std::uint32_t w = 0; w < 2; ++w)
    for (std::uint32_t q = 0; q < height[w]; ++q)
      for (std::uint32_t p = 0; p < width[w]; ++p) {
        int area = w == MapWindow ? MapEntry(s.mapScrollColumn + p, s.mapScrollRow + q)
                                  : static_cast<int>(20 * (s.pickerScrollRow + q) + p);
        bool cursor = w == s.activeWindow && p == s.cursorColumn && q == s.cursorRow;
        ASSERT_TRUE(SlotShows(screen, originX[w] + 32 * static_cast<int>(p),
                              originY[w] + 20 * static_cast<int>(q), area,
                              cursor ? DrawnColour() : -1))
            << "window " << w << ", slot " << p << ", " << q;
      }
}

// Active window, cursor column and row, map scroll column and row, picker scroll row.
std::array<std::uint32_t, 6> Where() {
  const WordMapStateRecord& s = WordMapState;
  return {s.activeWindow,    s.cursorColumn, s.cursorRow,
          s.mapScrollColumn, s.mapScrollRow, s.pickerScrollRow};
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
  Keys({VK_F5, VK_TAB});
  // Key and presses, then column, row, scroll, whether the picker was drawn
  // again (which leaves the previous cursor on the cursor) and a look at it.
  const std::uint32_t walk[][7] = {
      {VK_LEFT, 1, 19, 0, 0, 1, 0},    // at line 0: nothing to scroll, drawn again
      {VK_RIGHT, 1, 0, 1, 0, 0, 0},    // from the line's end to the next line's start
      {VK_LEFT, 1, 19, 0, 0, 0, 0},    //
      {VK_DOWN, 5, 19, 3, 2, 1, 0},    //
      {VK_RIGHT, 1, 0, 3, 3, 1, 1},    // area 120 at line 3
      {VK_DOWN, 6, 0, 3, 9, 1, 0},     //
      {VK_LEFT, 1, 19, 2, 9, 0, 0},    //
      {VK_DOWN, 1, 19, 3, 9, 0, 0},    //
      {VK_RIGHT, 1, 0, 3, 9, 1, 0},    // at line 9 it goes round without a scroll
      {VK_RIGHT, 16, 16, 3, 9, 0, 1},  // line 12 ends with four empty slots
  };
  for (const auto& [key, times, column, row, scroll, redrawn, look] : walk) {
    Keys(static_cast<OsWParam>(key), static_cast<int>(times));
    dbl::Do([=] {
      const WordMapStateRecord& s = WordMapState;
      EXPECT_EQ((std::array<std::uint32_t, 4>{s.cursorColumn, s.cursorRow, s.pickerScrollRow,
                                              s.previousColumn == column && s.previousRow == row}),
                (std::array{column, row, scroll, redrawn}))
          << key << " x " << times;
    });
    if (!look) continue;
    dbl::Idle(2);
    dbl::Do([] {
      Picture screen = dbl::Screen();
      ExpectWindows(screen);
      EXPECT_TRUE(PreviewShows(screen, 0, 100, static_cast<int>(WordMapState.areaUnderCursor)));
    });
  }
  // Over the empty slots (256..259) the cursor preview shows ground, and
  // SPACE selects nothing: area 254 stays selected, with its preview.
  Keys(VK_LEFT, 2);
  dbl::Key(VK_SPACE);
  Keys(VK_RIGHT, 2);
  for (std::uint32_t number = 256; number < 260; ++number) {
    dbl::Key(VK_SPACE);
    dbl::Idle(2);
    dbl::Do([number] {
      EXPECT_EQ((std::array{WordMapState.areaUnderCursor, WordMapState.selectedArea}),
                (std::array{number, 254u}));
      Picture screen = dbl::Screen();
      EXPECT_TRUE(PreviewShows(screen, 0, 0, 254));
      EXPECT_TRUE(PreviewShows(screen, 0, 100, static_cast<int>(number)));
    });
    dbl::Key(VK_RIGHT);
  }
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

TEST_F(WordMap, MapScrollsUpTo240AndBack) {
  StartOnCraftedSet();
  dbl::Key(VK_F5);
  for (auto [across, down, at] : {std::tuple{VK_RIGHT, VK_DOWN, 15u}, {VK_LEFT, VK_UP, 0u}}) {
    Keys(across, 15 + 240 + 3);
    Keys(down, 15 + 240 + 3);
    dbl::Idle(2);
    dbl::Do([at = at] {
      EXPECT_EQ(Where(), (std::array{MapWindow, at, at, at * 16, at * 16, 0u}));
      Picture screen = dbl::Screen();
      ExpectWindows(screen);
      EXPECT_TRUE(PreviewShows(screen, 0, 100, CraftedEntry(at * 17, at * 17)));
    });
  }
  // Whatever the keys, in either editor, each cursor stays inside its active
  // window, which the drawing relies on.
  const OsWParam keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_TAB, VK_PRIOR, VK_NEXT, VK_F5};
  std::mt19937 random(7);
  for (int i = 0; i < 1500; ++i) {
    dbl::Key(i % 100 == 99 ? VK_ESCAPE : keys[random() % std::size(keys)]);
    dbl::Do([i] {
      const WordMapStateRecord& map = WordMapState;
      const AreaEditorStateRecord& editor = AreaEditorState;
      EXPECT_TRUE(map.cursorColumn < ActiveWordMapWindow().width &&
                  map.cursorRow < ActiveWordMapWindow().height &&
                  static_cast<std::uint32_t>(editor.cursorX) < ActiveWindow().width &&
                  static_cast<std::uint32_t>(editor.cursorY) < ActiveWindow().height)
          << i;
    });
  }
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

TEST_F(WordMap, StampsAndCursorsOutliveAVisitButNotTheSelectedPreview) {
  StartOnCraftedSet();
  AreaEditorStateRecord editor{};
  dbl::Do([&] { editor = AreaEditorState; });
  dbl::Key(VK_F5);
  dbl::Key(VK_SPACE);  // nothing selected yet: area 0
  dbl::Do([] { EXPECT_EQ(MapEntry(0, 0), 0); });
  Keys({VK_RIGHT, VK_TAB});  // each window has a cursor of its own
  dbl::Do([] { EXPECT_EQ(Where(), (std::array{AreaPicker, 0u, 0u, 0u, 0u, 0u})); });
  Keys(VK_RIGHT, 7);
  Keys(VK_DOWN, 2);
  dbl::Key(VK_SPACE);  // area 47
  dbl::Key(VK_TAB);    // back at map (1, 0)
  Keys(VK_RIGHT, 17);  // map scrolled by 3
  Keys(VK_DOWN, 2);
  Keys({VK_SPACE, VK_F3});
  dbl::Do([] {
    // F3 stores the map at its place in the file, and every area with it.
    Picture saved = dbl::ReadFile("set.out");
    EXPECT_EQ(saved[0x24400 + 256 * 2 + 18] * 1000 + saved[0x24400 + 256 * 2 + 17],
              47 * 1000 + CraftedEntry(17, 2));
    EXPECT_EQ(saved[320 * 255 + 159], CraftedCell(255, 15, 9));
    EXPECT_TRUE(SlotShows(dbl::Screen(), 128 + 32 * 15, 40, 47, DrawnColour()));
  });
  Keys({VK_LEFT, VK_TAB, VK_TAB});
  dbl::Idle(2);
  dbl::Do([] {
    // The cursor shows only in the active window, each left clean.
    EXPECT_EQ(Where(), (std::array{MapWindow, 14u, 2u, 3u, 0u, 0u}));
    ExpectWindows(dbl::Screen());
  });
  Keys({VK_TAB, VK_ESCAPE});
  dbl::Do([&] { EXPECT_EQ(std::memcmp(&editor, &AreaEditorState, sizeof editor), 0); });
  dbl::Idle(2);
  dbl::Key(VK_F5);
  dbl::Idle(2);
  dbl::Do([] {
    EXPECT_EQ(Where(), (std::array{AreaPicker, 7u, 2u, 3u, 0u, 0u}));
    EXPECT_EQ(WordMapState.savedCursor[MapWindow].column * 1000 + WordMapState.selectedArea,
              14047u);
    Picture screen = dbl::Screen();
    EXPECT_TRUE(Shows(screen, 0, 0, 128, 80, [](int, int) { return 0; }));  // no selection shown
    ExpectWindows(screen);
  });
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

// (Its turns are the area editor's, pinned with the start-up tests.)
TEST_F(WordMap, KeysThatDoNothing) {
  dbl::Key(VK_F5);
  Keys({VK_F1, VK_F2, VK_F4, VK_F5, VK_ADD, VK_DELETE, 'G'});
  dbl::Do([] {
    EXPECT_EQ(Where(), (std::array{MapWindow, 0u, 0u, 0u, 0u, 0u}));
    EXPECT_EQ(AreaEditorState.currentArea, 0);
  });
  dbl::Key(0x100 | VK_RIGHT);  // only the low byte counts
  dbl::Do([] { EXPECT_EQ(WordMapState.cursorColumn, 1u); });
  EXPECT_EQ(dbl::RunProgram(), 0u);
  EXPECT_EQ(dbl::Calls.saveDialogs, 0);
}

}  // namespace
