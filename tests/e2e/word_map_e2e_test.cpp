// The Word Map through tesselle-headless: leaving it by Esc and by the ends
// of the program, Save As from inside it, where a map edit lands in the saved
// file, and a golden image. Its screens are checked in the unit tests.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e/harness.h"

namespace {

using e2e::MakeWorkDir;
using e2e::RunScript;

constexpr int WordMapGridOffset = 0x24400;
constexpr int AreaSetSize = 214016;

bool MaskSet(int x, int y) {  // the Word Map cursor over a 32 x 20 slot
  int u = x / 2, v = y / 2;
  return ((v == 0 || v == 9) && (u <= 4 || u >= 11)) || u == 0 || u == 15;
}

bool EditorMaskSet(int x, int y) {  // the area editor's cursor over 32 x 32
  int u = x / 2, v = y / 2;
  bool edgeRow = v == 0 || v == 15, edgeColumn = u == 0 || u == 15;
  return (edgeRow && (u <= 4 || u >= 11)) || (edgeColumn && (v <= 4 || v >= 11));
}

// The two shots differ only under the cursor mask at (left, top), and there
// the later one shows the cursor's next colour.
void ExpectSameButTheCursor(const e2e::Shot& before, const e2e::Shot& after, int left, int top,
                            bool editor) {
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      int u = x - left, v = y - top;
      bool underMask = u >= 0 && v >= 0 && u < 32 &&
                       (editor ? v < 32 && EditorMaskSet(u, v) : v < 20 && MaskSet(u, v));
      if (!underMask) {
        ASSERT_EQ(before.at(x, y), after.at(x, y)) << x << ", " << y;
      } else {
        ASSERT_EQ(after.at(x, y), (before.at(x, y) + 1) % 16) << x << ", " << y;
      }
    }
}

TEST(HeadlessWordMap, EscRightAfterF5BringsBackTheEditorScreen) {
  std::string dir = MakeWorkDir();
  e2e::Run run = RunScript(dir,
                           "open cancel\nframes 2\nshot before.raw\n"
                           "key F5\nkey ESCAPE\nshot after.raw\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  ExpectSameButTheCursor(e2e::ReadShot(dir + "/before.raw"), e2e::ReadShot(dir + "/after.raw"), 64,
                         32, true);
}

TEST(HeadlessWordMap, SaveAsInsideThenEscKeepsBothScreens) {
  std::string dir = MakeWorkDir();
  e2e::Run run = RunScript(dir,
                           "open cancel\nframes 2\nshot editor1.raw\nkey F5\nframes 2\n"
                           "shot map1.raw\nkey shift+F3\nsave world\nshot map2.raw\n"
                           "key ESCAPE\nshot editor2.raw\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(e2e::ReadBytes(dir + "/world.out").size(), static_cast<std::size_t>(AreaSetSize));
  ExpectSameButTheCursor(e2e::ReadShot(dir + "/map1.raw"), e2e::ReadShot(dir + "/map2.raw"), 128, 0,
                         false);
  // The editor's cursor was drawn once more, by the F5 turn.
  ExpectSameButTheCursor(e2e::ReadShot(dir + "/editor1.raw"), e2e::ReadShot(dir + "/editor2.raw"),
                         64, 32, true);
}

TEST(HeadlessWordMap, EndsOfTheProgramInside) {
  std::string dir = MakeWorkDir();
  EXPECT_EQ(RunScript(dir, "open cancel\nkey F5\nframes 4\nquit 0\n").status, 0);
  EXPECT_EQ(RunScript(dir, "open cancel\nkey F5\nquit 9\n").status, 9);
  EXPECT_EQ(RunScript(dir, "open cancel\nkey F5\nclose\n").status, 0);
  EXPECT_EQ(RunScript(dir, "open cancel\nkey F5\nsyskey F4\n").status, 96);
  // Its dispatch destroys the window: the Word Map returns on the running
  // flag and the main loop ends with this message's wParam, not the 0 of the
  // quit that WM_DESTROY posts.
  EXPECT_EQ(RunScript(dir, "open cancel\nkey F5\nframes 2\nmessage 0x0112 0xF063\n").status, 0x63);
  EXPECT_FALSE(std::filesystem::exists(dir + "/Areas.out"));  // nothing saved on the way out
}

TEST(HeadlessWordMap, MapEditSavedWithF3LandsInTheFile) {
  std::string dir = MakeWorkDir();
  // Areas that differ from one another, on a map of area 0.
  std::vector<std::uint8_t> set(AreaSetSize, 0);
  for (int a = 0; a < 256; ++a)
    for (int k = 0; k < 160; ++k) set[320 * a + k] = static_cast<std::uint8_t>(a * 5 + k);
  e2e::WriteBytes(dir + "/Areas.out", set);
  std::string script = "open Areas.out\nkey F5\nkey TAB\n";
  for (int i = 0; i < 2; ++i) script += "key DOWN\n";
  for (int i = 0; i < 7; ++i) script += "key RIGHT\n";
  script += "key SPACE\nkey TAB\n";  // area 47 selected
  for (int i = 0; i < 18; ++i) script += "key RIGHT\n";
  for (int i = 0; i < 19; ++i) script += "key DOWN\n";
  script += "key SPACE\nkey F3\n";  // map column 18, row 19
  e2e::Run run = RunScript(dir, script);
  ASSERT_EQ(run.status, 0) << run.errors;
  std::vector<std::uint8_t> saved = e2e::ReadBytes(dir + "/Areas.out");
  ASSERT_EQ(saved.size(), static_cast<std::size_t>(AreaSetSize));
  for (int a = 0; a < 256; ++a)
    for (int k = 0; k < 160; ++k) ASSERT_EQ(saved[320 * a + k], set[320 * a + k]);
  for (int i = WordMapGridOffset; i < AreaSetSize; ++i)
    ASSERT_EQ(saved[i], i == WordMapGridOffset + 256 * 19 + 18 ? 47 : 0) << i;
}

TEST(HeadlessWordMap, DemoSetAfterAStamp) {
  std::string dir = MakeWorkDir(true);
  ASSERT_EQ(RunScript(dir,
                      "open Areas.out\nkey F5\nkey TAB\nkey RIGHT\nkey RIGHT\nkey RIGHT\n"
                      "key SPACE\nkey TAB\nkey RIGHT\nkey RIGHT\nkey DOWN\nkey DOWN\n"
                      "key DOWN\nkey SPACE\nkey RIGHT\nframes 2\nshot map.png\n")
                .status,
            0);
  e2e::ExpectGolden(dir + "/map.png", "word_map_demo_stamp.png");
}

}  // namespace
