// The area editor end to end: the start screen pixel by pixel, the cursor,
// the selector, the area number, Delete and Insert, and saving what was
// placed; checked against properties computed here and golden images.
#include <gtest/gtest.h>

#include <string>

#include "draw/tables.h"
#include "tests/e2e/harness.h"

namespace {

using e2e::MakeWorkDir;
using e2e::ReadShot;
using e2e::RunScript;
using e2e::Shot;

bool IsDigit(const Shot& shot, int x, int y, int digit) {
  for (int j = 0; j < 16; ++j)
    for (int i = 0; i < 8; ++i)
      if (shot.at(x + i, y + j) != DigitGlyphs[32 * digit + 4 * (j / 2) + i / 2]) return false;
  return true;
}

bool ShowsNumber(const Shot& shot, int number) {
  return IsDigit(shot, 192, 360, number / 100) && IsDigit(shot, 202, 360, number / 10 % 10) &&
         IsDigit(shot, 212, 360, number % 10);
}

// The cursor's mask pixels of the cell position at (x, y) are in colour.
bool HasCursor(const Shot& shot, int x, int y, std::uint8_t colour) {
  for (int v = 0; v < 16; ++v)
    for (int u = 0; u < 16; ++u)
      if (CursorMask[16 * v + u] != 0 && shot.at(x + 2 * u, y + 2 * v) != colour) return false;
  return true;
}

TEST(AreaEditorScreen, StartScreenIsLaidOutExactly) {
  std::string dir = MakeWorkDir();
  ASSERT_EQ(RunScript(dir, "open cancel\nframes 2\nshot start.raw\n").status, 0);
  Shot shot = ReadShot(dir + "/start.raw");

  // Frames and separator, doubled from the logical picture.
  for (int x = 60; x <= 579; ++x) {
    EXPECT_EQ(shot.at(x, 28), 15);
    EXPECT_EQ(shot.at(x, 355), 15);
  }
  for (int y = 28; y <= 355; ++y) {
    EXPECT_EQ(shot.at(60, y), 15);
    EXPECT_EQ(shot.at(579, y), 15);
    if (y >= 30 && y <= 353) {
      EXPECT_EQ(shot.at(62, y), 0);  // the gap of one logical pixel
    }
  }
  EXPECT_TRUE(shot.IsFilled(8, 28, 40, 2, 15));
  EXPECT_TRUE(shot.IsFilled(8, 66, 40, 2, 15));
  EXPECT_TRUE(shot.IsFilled(0, 378, 640, 2, 15));
  EXPECT_TRUE(shot.IsFilled(0, 380, 640, 4, 0));
  // The selected-cell preview keeps the background until a cell is chosen.
  EXPECT_TRUE(shot.IsFilled(10, 30, 36, 36, 0));

  // Selector: cells 0..59; editor: area 0 of a new set, all cell 0.
  for (int r = 0; r < 3; ++r)
    for (int x = 0; x < 20; ++x)
      EXPECT_TRUE(shot.IsCellDoubled(32 * x, 384 + 32 * r, 20 * r + x)) << x << ", " << r;
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (x + y > 0) {
        EXPECT_TRUE(shot.IsCellDoubled(64 + 32 * x, 32 + 32 * y, 0));
      }
    }
  }

  EXPECT_TRUE(ShowsNumber(shot, 0));
  EXPECT_TRUE(shot.IsFilled(200, 360, 2, 16, 0));
  EXPECT_TRUE(shot.IsFilled(210, 360, 2, 16, 0));
  // The cursor was drawn by the first idle turn, in that turn's colour.
  EXPECT_TRUE(HasCursor(shot, 64, 32, 1));
  // Only indices 0 and 15 outside the windows.
  for (int y = 0; y < 28; ++y)
    for (int x = 0; x < 640; ++x) ASSERT_TRUE(shot.at(x, y) == 0 || shot.at(x, y) == 15);
}

TEST(AreaEditorScreen, CursorMovesAfterOneIdleTurnAndPlacedCellsShowUnderIt) {
  std::string dir = MakeWorkDir();
  ASSERT_EQ(RunScript(dir,
                      "open cancel\nkey TAB\nkey RIGHT\nkey RIGHT\nkey SPACE\nkey TAB\n"
                      "key RIGHT\nshot moved-only.raw\nframes 2\nshot moved.raw\n"
                      "key SPACE\nframes 2\nshot placed.raw\n")
                .status,
            0);
  Shot movedOnly = ReadShot(dir + "/moved-only.raw");
  Shot moved = ReadShot(dir + "/moved.raw");
  Shot placed = ReadShot(dir + "/placed.raw");
  // The key's move is not drawn until the next turn's cursor step.
  EXPECT_TRUE(movedOnly.IsCellDoubled(96, 32, 0));
  EXPECT_FALSE(moved.IsCellDoubled(96, 32, 0));
  EXPECT_TRUE(moved.IsCellDoubled(64, 32, 0));
  // Cell 2 placed under the cursor shows around the cursor's brackets.
  EXPECT_EQ(placed.at(96 + 16, 32 + 16), e2e::CellPixel(2, 8, 8));
  EXPECT_TRUE(placed.IsCellDoubled(12, 32, 2));  // the preview
}

TEST(AreaEditorScreen, SelectorScrollsAndSelectsThroughTheBank) {
  std::string dir = MakeWorkDir();
  std::string script = "open cancel\nkey TAB\n";
  for (int i = 0; i < 6; ++i) script += "key DOWN\n";    // row 2, scroll 4
  for (int i = 0; i < 20; ++i) script += "key RIGHT\n";  // (19, 2) then (0, 2), scroll 5
  script += "key SPACE\nframes 2\nshot selected.raw\n";
  for (int i = 0; i < 5; ++i) script += "key DOWN\n";    // scroll 10
  for (int i = 0; i < 17; ++i) script += "key RIGHT\n";  // (17, 2)
  script += "key SPACE\nframes 2\nshot end.raw\n";
  ASSERT_EQ(RunScript(dir, script).status, 0);
  Shot selected = ReadShot(dir + "/selected.raw");
  EXPECT_TRUE(selected.IsCellDoubled(12, 32, 140));
  EXPECT_TRUE(selected.IsCellDoubled(32, 384, 101));
  Shot end = ReadShot(dir + "/end.raw");
  // Scroll row 10: cells 200..255, then ground past the last cell; the
  // cursor at (17, 2) selects cell 0.
  EXPECT_TRUE(end.IsCellDoubled(0, 384, 200));
  EXPECT_TRUE(end.IsCellDoubled(32 * 15, 384 + 64, 255));
  EXPECT_TRUE(end.IsFilled(32 * 18, 384 + 64, 64, 32, 0));
  EXPECT_TRUE(end.IsCellDoubled(12, 32, 0));
}

TEST(AreaEditorScreen, AreaNumberShowsThreeDigits) {
  std::string dir = MakeWorkDir();
  std::string script = "open cancel\n";
  for (int i = 0; i < 9; ++i) script += "key ADD\n";
  script += "shot n9.raw\nkey ADD\nshot n10.raw\n";
  for (int i = 0; i < 250; ++i) script += "key ADD\n";
  script += "shot n254.raw\nkey SUBTRACT\nshot n253.raw\n";
  ASSERT_EQ(RunScript(dir, script).status, 0);
  EXPECT_TRUE(ShowsNumber(ReadShot(dir + "/n9.raw"), 9));
  EXPECT_TRUE(ShowsNumber(ReadShot(dir + "/n10.raw"), 10));
  EXPECT_TRUE(ShowsNumber(ReadShot(dir + "/n254.raw"), 254));
  Shot last = ReadShot(dir + "/n253.raw");
  EXPECT_TRUE(ShowsNumber(last, 253));
  EXPECT_TRUE(last.IsFilled(200, 360, 2, 16, 0));
  EXPECT_TRUE(last.IsFilled(210, 360, 2, 16, 0));
  EXPECT_TRUE(last.IsFilled(220, 360, 40, 16, 0));
}

TEST(AreaEditorSaving, PlacedCellsAreSavedWithTheirIds) {
  std::string dir = MakeWorkDir();
  // Select cell 37, place it at (3, 4) and (4, 4); delete area 1 after
  // moving area 0 there.
  std::string script = "open cancel\nkey TAB\n";
  for (int i = 0; i < 37 - 20; ++i) script += "key RIGHT\n";
  script += "key DOWN\nkey SPACE\nkey TAB\n";
  script += "key DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nkey RIGHT\nkey RIGHT\nkey RIGHT\n";
  script += "key SPACE\nkey RIGHT\nkey SPACE\nkey F3\nshot saved.raw\n";
  script += "key DELETE\nkey ADD\nkey INSERT\nkey shift+F3\nsave moved.out\n";
  ASSERT_EQ(RunScript(dir, script).status, 0);
  std::vector<std::uint8_t> saved = e2e::ReadBytes(dir + "/Areas.out");
  ASSERT_EQ(saved.size(), 214016u);
  EXPECT_EQ(saved[67], 37);
  EXPECT_EQ(saved[68], 37);
  EXPECT_EQ(saved[160 + 67], e2e::CellId(37));
  EXPECT_EQ(saved[66], 0);
  EXPECT_EQ(saved[160 + 66], e2e::CellId(0));
  std::vector<std::uint8_t> moved = e2e::ReadBytes(dir + "/moved.out");
  ASSERT_EQ(moved.size(), 214016u);
  EXPECT_EQ(moved[67], 0);  // slot 0 stays cleared
  EXPECT_EQ(moved[160 + 67], 0);
  EXPECT_EQ(moved[320 + 67], 37);
  EXPECT_EQ(moved[320 + 160 + 67], e2e::CellId(37));
  Shot shot = ReadShot(dir + "/saved.raw");
  EXPECT_TRUE(shot.IsCellDoubled(64 + 32 * 3, 32 + 32 * 4, 37));
}

TEST(AreaEditorScreen, EveryShotIsTheSameAtAWiderPitch) {
  std::string dir = MakeWorkDir();
  std::string script =
      "open cancel\nframes 2\nshot a.raw\nkey TAB\nkey DOWN\nkey DOWN\nkey DOWN\nkey SPACE\n"
      "key TAB\nkey SPACE\nkey ADD\nkey shift+RIGHT\nkey shift+DOWN\nframes 20\nshot b.raw\n"
      "key DELETE\nkey INSERT\nframes 2\nshot c.raw\n";
  ASSERT_EQ(RunScript(dir, script).status, 0);
  std::vector<std::vector<std::uint8_t>> narrow;
  for (const char* name : {"a.raw", "b.raw", "c.raw"})
    narrow.push_back(e2e::ReadBytes(dir + "/" + name));
  ASSERT_EQ(RunScript(dir, script, "--pitch 1024").status, 0);
  EXPECT_EQ(narrow[0], e2e::ReadBytes(dir + "/a.raw"));
  EXPECT_EQ(narrow[1], e2e::ReadBytes(dir + "/b.raw"));
  EXPECT_EQ(narrow[2], e2e::ReadBytes(dir + "/c.raw"));
}

}  // namespace
