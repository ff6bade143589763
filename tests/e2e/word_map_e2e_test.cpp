// The Word Map through tesselle-headless: the screens it gives back after Esc
// and after a Save As inside it. Its screens and saved edits are checked in
// the unit tests, its ends with the other ends.
#include <gtest/gtest.h>

#include "draw/tables.h"
#include "tests/e2e/harness.h"

namespace {

// The two shots differ only under the cursor mask at (left, top), and there
// the later one shows the cursor's colour drawn that many turns later.
void ExpectSameButTheCursor(const std::string& dir, const char* before, const char* after, int left,
                            int top, bool editor, int turns = 1) {
  e2e::Shot first = e2e::ReadShot(dir + "/" + before), later = e2e::ReadShot(dir + "/" + after);
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
      dir,
      "open cancel\nframes 2\nshot editor1.raw\nkey F5\nkey ESCAPE\nshot editor2.raw\n"
      "key F5\nframes 2\nshot map1.raw\nkey shift+F3\nsave world\nshot map2.raw\n"
      "key ESCAPE\nshot editor3.raw\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(e2e::ReadBytes(dir + "/world.out").size(), 214016u);
  // Each F5 turn draws the editor's cursor once more; so does the idle turn
  // of the shot before the second F5.
  ExpectSameButTheCursor(dir, "editor1.raw", "editor2.raw", 64, 32, true);
  ExpectSameButTheCursor(dir, "editor2.raw", "editor3.raw", 64, 32, true, 2);
  ExpectSameButTheCursor(dir, "map1.raw", "map2.raw", 128, 0, false);
}

}  // namespace
