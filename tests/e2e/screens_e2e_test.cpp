// The area editor and the Word Map through tesselle-headless, where the
// golden images do not reach: when the cursor's move is drawn, and the
// screens given back after Esc and after a Save As inside the Word Map.
#include <gtest/gtest.h>

#include <string>

#include "data/tables.h"
#include "tests/e2e/harness.h"

namespace {

using e2e::ReadShot, e2e::Shot;

// The key's move is not drawn until the next turn's cursor step. (Placed
// cells under the cursor and in the preview are in the golden pictures.)
TEST(AreaEditorScreen, CursorMovesAfterOneIdleTurn) {
  std::string dir = e2e::MakeWorkDir();
  const char* script = "open cancel; RIGHT; shot 1.raw; frames 2; shot 2.raw";
  ASSERT_EQ(e2e::RunScript(dir, e2e::Script(script)).status, 0);
  Shot movedOnly = ReadShot(dir + "/1.raw"), moved = ReadShot(dir + "/2.raw");
  EXPECT_TRUE(movedOnly.IsCellDoubled(96, 32, 0));
  EXPECT_FALSE(moved.IsCellDoubled(96, 32, 0));
  EXPECT_TRUE(moved.IsCellDoubled(64, 32, 0));
}

// The two shots differ only under the cursor mask at (left, top), and there
// the later one shows the cursor's colour drawn that many turns later.
void ExpectSameButTheCursor(const std::string& dir, const char* before, const char* after, int left,
                            int top, bool editor, int turns = 1) {
  Shot first = ReadShot(dir + "/" + before), later = ReadShot(dir + "/" + after);
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      int u = (x - left) / 2, v = (y - top) / 2;
      bool inside = x >= left && y >= top && u < 16 && v < (editor ? 16 : 10);
      bool mask =
          inside && (editor ? CursorMask.data() : WordMapCursorMask.data())[16 * v + u] != 0;
      ASSERT_EQ(later.at(x, y), mask ? (first.at(x, y) + turns) % 16 : first.at(x, y))
          << after << " at " << x << ", " << y;
    }
}

TEST(HeadlessWordMap, EscAndSaveAsInsideGiveTheScreensBack) {
  std::string dir = e2e::MakeWorkDir();
  e2e::RunResult run = e2e::RunScript(
      dir, e2e::Script("open cancel; frames 2; shot editor1.raw; F5 ESCAPE; shot editor2.raw; F5; "
                       "frames 2; shot map1.raw; shift+F3; save world; shot map2.raw; ESCAPE; "
                       "shot editor3.raw"));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(e2e::ReadBytes(dir + "/world.out").size(), 214016u);
  // Each F5 turn draws the editor's cursor once more; so does the idle turn
  // of the shot before the second F5.
  ExpectSameButTheCursor(dir, "editor1.raw", "editor2.raw", 64, 32, true);
  ExpectSameButTheCursor(dir, "editor2.raw", "editor3.raw", 64, 32, true, 2);
  ExpectSameButTheCursor(dir, "map1.raw", "map2.raw", 128, 0, false);
}

}  // namespace
