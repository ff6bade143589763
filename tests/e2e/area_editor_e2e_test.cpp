// The area editor end to end: the start screen, the cursor, the area number,
// saving what was placed, and the pitch; checked against properties computed
// here (the golden images are in golden_e2e_test.cpp).
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
  EXPECT_TRUE(shot.IsFilled(60, 28, 520, 1, 15));
  EXPECT_TRUE(shot.IsFilled(60, 355, 520, 1, 15));
  EXPECT_TRUE(shot.IsFilled(60, 28, 1, 328, 15));
  EXPECT_TRUE(shot.IsFilled(579, 28, 1, 328, 15));
  EXPECT_TRUE(shot.IsFilled(62, 30, 1, 324, 0));  // the gap of one logical pixel
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
  for (int y = 0; y < 10; ++y)
    for (int x = y == 0 ? 1 : 0; x < 16; ++x)
      EXPECT_TRUE(shot.IsCellDoubled(64 + 32 * x, 32 + 32 * y, 0));

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

TEST(AreaEditorScreen, AreaNumberShowsThreeDigits) {
  std::string dir = MakeWorkDir();
  std::string script = "open cancel\n";
  for (int i = 0; i < 9; ++i) script += "key ADD\n";
  script += "shot n9.raw\nkey ADD\nshot n10.raw\n";
  for (int i = 0; i < 250; ++i) script += "key ADD\n";
  script += "shot n254.raw\n";  // the last six presses are held at 254
  ASSERT_EQ(RunScript(dir, script).status, 0);
  EXPECT_TRUE(ShowsNumber(ReadShot(dir + "/n9.raw"), 9));
  EXPECT_TRUE(ShowsNumber(ReadShot(dir + "/n10.raw"), 10));
  Shot last = ReadShot(dir + "/n254.raw");
  EXPECT_TRUE(ShowsNumber(last, 254));
  EXPECT_TRUE(last.IsFilled(200, 360, 2, 16, 0));
  EXPECT_TRUE(last.IsFilled(210, 360, 2, 16, 0));
  EXPECT_TRUE(last.IsFilled(220, 360, 40, 16, 0));
}

TEST(AreaEditorSaving, PlacedCellsAreSavedWithTheirIds) {
  std::string dir = MakeWorkDir();
  // Select cell 37, place it at (3, 4) and (4, 4).
  std::string script = "open cancel\nkey TAB\n";
  for (int i = 0; i < 37 - 20; ++i) script += "key RIGHT\n";
  script += "key DOWN\nkey SPACE\nkey TAB\n";
  script += "key DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nkey RIGHT\nkey RIGHT\nkey RIGHT\n";
  script += "key SPACE\nkey RIGHT\nkey SPACE\nkey F3\nshot saved.raw\n";
  ASSERT_EQ(RunScript(dir, script).status, 0);
  std::vector<std::uint8_t> saved = e2e::ReadBytes(dir + "/Areas.out");
  ASSERT_EQ(saved.size(), 214016u);
  EXPECT_EQ(saved[67], 37);
  EXPECT_EQ(saved[68], 37);
  EXPECT_EQ(saved[160 + 67], e2e::CellId(37));
  EXPECT_EQ(saved[66], 0);
  EXPECT_EQ(saved[160 + 66], e2e::CellId(0));
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
