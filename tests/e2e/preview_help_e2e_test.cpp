// The help page and the animation preview end to end: what the display shows
// while each runs and after it ends, and the exit statuses of the ways the
// program can end inside them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/harness.h"

namespace {

using e2e::MakeWorkDir;
using e2e::ReadShot;
using e2e::RunScript;
using e2e::Shot;

// Equal everywhere but the editor cursor's cell at (0, 0), whose colour moves
// on between two shots.
bool SameButTheCursor(const Shot& a, const Shot& b) {
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      bool underCursor = x >= 64 && x < 96 && y >= 32 && y < 64;
      if (!underCursor && a.at(x, y) != b.at(x, y)) return false;
    }
  return true;
}

TEST(HelpPageScreen, PageIsTheTextAloneAndEscBringsTheEditorBack) {
  std::string dir = MakeWorkDir(true);
  std::string script =
      "open Areas.out\nframes 2\nshot before.raw\nkey F1\nshot help.png\nshot help.raw\n"
      "key F1\nkey A\nkey shift+RIGHT\nframes 6\nshot still.raw\nkey ESCAPE\nshot after.raw\n";
  e2e::Run run = RunScript(dir, script);
  ASSERT_EQ(run.status, 0) << run.errors;
  Shot help = ReadShot(dir + "/help.raw");
  EXPECT_TRUE(help.pixels == ReadShot(dir + "/still.raw").pixels);
  for (std::uint8_t value : help.pixels) ASSERT_TRUE(value == 0 || value == 25);
  EXPECT_TRUE(help.IsFilled(0, 322, 640, 158, 0));
  EXPECT_TRUE(help.IsFilled(512, 0, 128, 480, 0));  // the longest line is 64 glyphs
  for (int line = 0; line < 19; ++line) EXPECT_TRUE(help.IsFilled(0, 17 * line + 16, 640, 1, 0));
  e2e::ExpectGolden(dir + "/help.png", "help_page.png");

  EXPECT_TRUE(SameButTheCursor(ReadShot(dir + "/before.raw"), ReadShot(dir + "/after.raw")));

  // The same page at a wider pitch.
  ASSERT_EQ(RunScript(dir, script, "--pitch 1280").status, 0);
  EXPECT_TRUE(help.pixels == ReadShot(dir + "/help.raw").pixels);
}

TEST(HelpPageExit, EndingsWhileThePageIsShown) {
  std::string dir = MakeWorkDir();
  EXPECT_EQ(RunScript(dir, "open cancel\nkey F1\nclose\n").status, 0);
  // Alt+F4 closes through the system command, whose wParam is the status.
  EXPECT_EQ(RunScript(dir, "open cancel\nkey F1\nsyskey F4\n").status, 0x60);
  EXPECT_EQ(RunScript(dir, "open cancel\nkey F1\nquit 5\n").status, 5);
  // After Esc the area editor has the keys again, F1 included.
  EXPECT_EQ(RunScript(dir, "open cancel\nkey F1\nkey ESCAPE\nkey F1\nkey ESCAPE\nquit 4\n").status,
            4);
}

class PreviewScreen : public ::testing::Test {
 protected:
  // A test bank whose ids chain 10 <-> 11 and 20 -> 21 -> 22, 22 standing,
  // and an area set whose area 2 holds 10 at (0, 0), 20 at (1, 0) and 5 at
  // (2, 0), with empty copies of the bank and the table.
  void SetUp() override {
    dir = MakeWorkDir();
    std::vector<std::uint8_t> ids(256, 0);
    ids[10] = 11;
    ids[11] = 10;
    ids[20] = 21;
    ids[21] = 22;
    ids[5] = 255;
    e2e::WriteBytes(dir + "/Cells.id", ids);
    std::vector<std::uint8_t> set(214016, 0);
    set[2 * 320 + 0] = 10;
    set[2 * 320 + 1] = 20;
    set[2 * 320 + 2] = 5;
    e2e::WriteBytes(dir + "/set.out", set);
  }

  // The cell shown at preview position i, among the candidates; -1 if none.
  static int Showing(const Shot& shot, int i, std::initializer_list<int> cells) {
    int left = 32 + 16 * (i % 16), top = 16 + 16 * (i / 16);
    for (int cell : cells) {
      bool same = true;
      for (int y = 0; y < 16 && same; ++y)
        for (int x = 0; x < 16 && same; ++x)
          same = shot.at(left + x, top + y) == e2e::CellPixel(cell, x, y);
      if (same) return cell;
    }
    return -1;
  }

  std::string dir;
};

TEST_F(PreviewScreen, CellsStepEverySixFramesAndTheTickCarriesOver) {
  e2e::Run run = RunScript(dir,
                           "open set.out\nkey ADD\nkey ADD\nframes 2\nshot before.raw\n"
                           "key F4\nshot a0.raw\nframes 5\nshot a5.raw\nframes 1\nshot a6.raw\n"
                           "frames 6\nshot a12.raw\nframes 2\nkey ESCAPE\nshot after.raw\n"
                           "key F4\nshot b0.raw\nframes 3\nshot b3.raw\nframes 1\nshot b4.raw\n"
                           "keyup ESCAPE\nkey RIGHT\nframes 2\nshot moved.raw\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  struct Expect {
    const char* shot;
    int pair, triple;
  };
  const Expect expects[] = {{"a0", 10, 20}, {"a5", 10, 20}, {"a6", 11, 21}, {"a12", 10, 22},
                            {"b0", 10, 20}, {"b3", 10, 20}, {"b4", 11, 21}};
  for (const Expect& expect : expects) {
    Shot shot = ReadShot(dir + "/" + expect.shot + ".raw");
    EXPECT_EQ(Showing(shot, 0, {10, 11}), expect.pair) << expect.shot;
    EXPECT_EQ(Showing(shot, 1, {20, 21, 22}), expect.triple) << expect.shot;
    EXPECT_EQ(Showing(shot, 2, {5}), 5) << expect.shot;
    EXPECT_EQ(Showing(shot, 3, {0}), 0) << expect.shot;
  }
  Shot first = ReadShot(dir + "/a0.raw");
  EXPECT_TRUE(first.IsFilled(0, 0, 640, 16, 0));
  EXPECT_TRUE(first.IsFilled(0, 176, 640, 304, 0));
  EXPECT_TRUE(first.IsFilled(0, 16, 32, 160, 0));
  EXPECT_TRUE(first.IsFilled(288, 16, 352, 160, 0));

  EXPECT_TRUE(SameButTheCursor(ReadShot(dir + "/before.raw"), ReadShot(dir + "/after.raw")));
  // A key release of Esc ended the second preview; the editor moved on.
  Shot moved = ReadShot(dir + "/moved.raw");
  EXPECT_TRUE(moved.IsCellDoubled(64, 32, 10));
  EXPECT_EQ(Showing(moved, 0, {10, 11}), -1);
}

TEST_F(PreviewScreen, EndingsInsideThePreview) {
  // A destroyed window ends the program at once with the last message's
  // wParam: 0 for the close, SC_CLOSE's low byte for Alt+F4.
  EXPECT_EQ(RunScript(dir, "open set.out\nkey F4\nframes 3\nclose\n").status, 0);
  EXPECT_EQ(RunScript(dir, "open set.out\nkey F4\nsyskey F4\n").status, 0x60);
  EXPECT_EQ(RunScript(dir, "open set.out\nkey F4\nframes 9\nquit 0x2A\n").status, 0x2A);
}

}  // namespace
