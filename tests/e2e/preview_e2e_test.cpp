// The animation preview end to end: chains stepping every six frames, the
// tick carried from one preview to the next, and the bank and id table read
// from their own files, not from the area set's copies.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace {

using e2e::ReadShot;
using e2e::Shot;

// The cell shown at preview position i, among the candidates; -1 if none.
int Showing(const Shot& shot, int i, std::initializer_list<int> cells) {
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

TEST(PreviewScreen, CellsStepEverySixFramesAndTheTickCarriesOver) {
  // A test bank whose ids chain 10 <-> 11 and 20 -> 21 -> 22, 22 standing,
  // and an area set whose area 2 holds 10 at (0, 0), 20 at (1, 0) and 5 at
  // (2, 0), with empty copies of the bank and the table.
  std::string dir = e2e::MakeWorkDir();
  std::vector<std::uint8_t> ids(256, 0), set(214016, 0);
  ids[10] = 11;
  ids[11] = 10;
  ids[20] = 21;
  ids[21] = 22;
  ids[5] = 255;
  e2e::WriteBytes(dir + "/Cells.id", ids);
  set[2 * 320 + 0] = 10;
  set[2 * 320 + 1] = 20;
  set[2 * 320 + 2] = 5;
  e2e::WriteBytes(dir + "/set.out", set);
  e2e::RunResult run =
      e2e::RunScript(dir,
                     "open set.out\nkey ADD\nkey ADD\n"
                     "key F4\nshot a0.raw\nframes 5\nshot a5.raw\nframes 1\nshot a6.raw\n"
                     "frames 6\nshot a12.raw\nframes 2\nkey ESCAPE\n"
                     "key F4\nshot b0.raw\nframes 3\nshot b3.raw\nframes 1\nshot b4.raw\n");
  ASSERT_EQ(run.status, 0) << run.err;
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
}

}  // namespace
