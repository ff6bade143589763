// The pointer against the keys: each pointer script must leave the set that
// F3 writes exactly as the keys it stands for; the Word Map's picture after
// a wheel turn; and pointer lines the script refuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e/harness.h"

namespace {

using e2e::MakeWorkDir, e2e::RunScript;

std::string At(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }
// A pixel of editor cell (c, r), of selector place (c, r), of map slot (p, q)
// and of picker slot (p, q); (dx, dy) inside it.
std::string Cell(int c, int r, int dx = 9, int dy = 9) {
  return At(64 + 32 * c + dx, 32 + 32 * r + dy);
}
std::string Sel(int c, int r) { return At(32 * c + 9, 384 + 32 * r + 9); }
std::string Slot(int p, int q) { return At(128 + 32 * p + 5, 20 * q + 5); }
std::string Pick(int p, int q) { return At(32 * p + 5, 400 + 20 * q + 5); }

std::string Keys(const std::string& keys) {
  std::string lines, word;
  for (char c : keys + " ") {
    if (c != ' ') {
      word += c;
      continue;
    }
    if (!word.empty()) lines += "key " + word + "\n";
    word.clear();
  }
  return lines;
}
std::string Keys(const std::string& key, int times) {
  std::string lines;
  for (int i = 0; i < times; ++i) lines += "key " + key + "\n";
  return lines;
}

// Cell 3 selected; the editor window active with its cursor at (0, 0), the
// selector's kept at (3, 0).
const std::string Start = "open cancel\n" + Keys("TAB RIGHT RIGHT RIGHT SPACE TAB");
const std::string Save = "key shift+F3\nsave out.out\n";
// In the Word Map, area 9 selected, the map window active at (0, 0).
const std::string WordMap = Keys("F5 TAB") + Keys("RIGHT", 9) + Keys("SPACE TAB");

struct Case {
  const char* name;
  std::string pointer, keys;
  bool unchanged = false;  // the keys leave the set as Start left it
};

TEST(Pointer, EachActionLeavesTheSetItsKeysLeave) {
  const Case cases[] = {
      {"a click is arrows to the cell, then SPACE; cells end at their edges",
       "click left " + Cell(5, 3, 31, 0) + "\nclick left 64 32\nclick left 575 351\n" +
           "click left 63 40\nclick left 576 100\nclick left 100 352\nclick left 5 5\n",
       Keys("RIGHT", 5) + Keys("DOWN", 3) + Keys("SPACE") + Keys("LEFT", 5) + Keys("UP", 3) +
           Keys("SPACE LEFT") + Keys("DOWN", 9) + Keys("SPACE")},
      {"from the selector a click is TAB first", "key TAB\nclick left " + Cell(1, 2) + "\n",
       Keys("TAB TAB RIGHT DOWN DOWN SPACE")},
      {"a drag is SPACE at every cell entered, the ones a quick move passes included",
       "mouse down left " + Cell(0, 4) + "\nmouse move " + Cell(1, 4) + "\nmouse move " +
           Cell(4, 4) + "\nmouse move 600 200\nmouse move " + Cell(6, 4) + "\nmouse up left " +
           Cell(6, 4) + "\nmouse move " + Cell(9, 4) + "\n",
       Keys("DOWN", 4) +
           Keys("SPACE RIGHT SPACE RIGHT SPACE RIGHT SPACE RIGHT SPACE RIGHT RIGHT SPACE")},
      {"a right click is G; a selector click selects",
       "click left " + Cell(2, 2) + "\nclick left " + Sel(7, 0) + "\nclick right " + Cell(2, 2) +
           "\nclick left " + Cell(5, 5) + "\nclick left " + Sel(9, 1) + "\nclick left " +
           Cell(6, 5) + "\nclick right " + Sel(1, 1) + "\n",
       Keys("RIGHT RIGHT DOWN DOWN SPACE TAB RIGHT RIGHT RIGHT RIGHT SPACE TAB G") +
           Keys("RIGHT", 3) + Keys("DOWN", 3) +
           Keys("SPACE TAB RIGHT RIGHT DOWN SPACE TAB RIGHT SPACE")},
      {"the wheel scrolls the bank under the selector only; past cell 255 nothing is selected",
       "mouse wheel -2 300 450\nmouse wheel 5 300 200\nclick left " + Sel(4, 1) + "\nclick left " +
           Cell(1, 1) + "\nmouse wheel -20 300 450\nclick left " + Sel(17, 2) + "\nclick left " +
           Cell(2, 1) + "\n",
       Keys("TAB DOWN DOWN DOWN DOWN UP RIGHT SPACE TAB RIGHT DOWN SPACE RIGHT SPACE")},
      {"Shift with a press only moves; its drag marks a block",
       "click left " + Cell(1, 1) + "\nclick left " + Sel(5, 0) + "\nclick left " + Cell(2, 1) +
           "\nmouse down shift+left " + Cell(1, 1) + "\nmouse move " + Cell(2, 1) +
           "\nmouse up left " + Cell(2, 1) + "\nkey C\nclick shift+left " + Cell(6, 6) +
           "\nkey V\n",
       Keys("RIGHT DOWN SPACE TAB RIGHT RIGHT SPACE TAB RIGHT SPACE LEFT shift+RIGHT C LEFT") +
           Keys("RIGHT", 5) + Keys("DOWN", 5) + Keys("V")},
      {"the modifiers of a press count as held by the keys until its release",
       "click left " + Cell(1, 1) + "\nmouse down shift+left " + Cell(1, 1) +
           "\nkey RIGHT\nmouse up left " + Cell(2, 1) + "\nkey C\nkey DOWN\nkey V\n",
       Keys("RIGHT DOWN SPACE shift+RIGHT C DOWN V")},
      {"Ctrl+Z after a drag gives the set before the drag",
       "click left " + Cell(0, 0) + "\nmouse down left " + Cell(0, 2) + "\nmouse move " +
           Cell(3, 2) + "\nmouse up left " + Cell(3, 2) + "\nkey ctrl+Z\n",
       Keys("SPACE")},
      {"Ctrl+Z twice takes the click back too",
       "click left " + Cell(0, 0) + "\nmouse down left " + Cell(0, 2) + "\nmouse move " +
           Cell(3, 2) + "\nmouse up left " + Cell(3, 2) + "\nkey ctrl+Z\nkey ctrl+Z\n",
       "", true},
      {"Ctrl+Y after the undo puts the whole drag back",
       "mouse down left " + Cell(0, 2) + "\nmouse move " + Cell(3, 2) + "\nmouse up left " +
           Cell(3, 2) + "\nkey ctrl+Z\nkey ctrl+Y\n",
       Keys("DOWN DOWN SPACE RIGHT SPACE RIGHT SPACE RIGHT SPACE")},
      {"a left click leaves the help page and the preview; nothing else there does",
       "key F1\nclick right 300 300\nmouse wheel 1 300 450\nclick left 300 300\nclick left " +
           Cell(1, 1) + "\nkey F4\nframes 3\nclick right 10 10\nclick left 10 10\nclick left " +
           Cell(2, 1) + "\n",
       "key F1\nkey ESCAPE\n" + Keys("RIGHT DOWN SPACE") + "key F4\nframes 3\n" +
           Keys("ESCAPE RIGHT SPACE")},
      {"a map click is SPACE there, a drag SPACE at every slot entered",
       WordMap + "click left " + Pick(5, 1) + "\nclick left " + Slot(3, 2) + "\nmouse down left " +
           Slot(0, 5) + "\nmouse move " + Slot(2, 5) + "\nmouse up left " + Slot(2, 5) +
           "\nkey ESCAPE\n",
       WordMap + Keys("TAB") + Keys("LEFT", 4) + Keys("DOWN SPACE TAB") + Keys("RIGHT", 3) +
           Keys("DOWN DOWN SPACE") + Keys("LEFT", 3) +
           Keys("DOWN DOWN DOWN SPACE RIGHT SPACE RIGHT SPACE ESCAPE")},
      {"a right click takes the area on the map and scrolls the picker to it",
       WordMap + "mouse wheel -100 300 450\nclick left " + Pick(0, 1) + "\nclick left " +
           Slot(1, 1) + "\nmouse wheel 100 300 450\nclick right " + Slot(1, 1) + "\nclick left " +
           Pick(0, 0) + "\nclick left " + Slot(2, 1) + "\nkey ESCAPE\n",
       WordMap + Keys("TAB") + Keys("LEFT", 9) + Keys("DOWN", 12) +
           Keys("UP UP SPACE TAB RIGHT DOWN SPACE TAB UP UP UP SPACE TAB RIGHT SPACE ESCAPE")},
      {"the wheel scrolls the map, with Shift sideways; past area 255 nothing is selected",
       WordMap + "mouse wheel -3 300 100\nmouse wheel shift+-2 300 100\nmouse wheel 1 300 100\n" +
           "click left " + Slot(0, 0) + "\nmouse wheel -100 300 450\nclick left " + Pick(19, 3) +
           "\nclick left " + Slot(1, 0) + "\nkey ESCAPE\n",
       WordMap + Keys("DOWN", 17) + Keys("RIGHT", 17) + Keys("UP", 15) + Keys("LEFT", 15) +
           Keys("SPACE RIGHT SPACE ESCAPE")},
      {"Ctrl+Z after a map drag gives the set before the drag",
       WordMap + "click left " + Slot(0, 0) + "\nmouse down left " + Slot(0, 3) + "\nmouse move " +
           Slot(5, 3) + "\nmouse up left " + Slot(5, 3) + "\nkey ctrl+Z\nkey ESCAPE\n",
       WordMap + Keys("SPACE ESCAPE")},
  };
  std::string dir = MakeWorkDir();
  ASSERT_EQ(RunScript(dir, Start + Save).status, 0);
  const auto before = e2e::ReadBytes(dir + "/out.out");
  for (const Case& c : cases) {
    std::filesystem::remove(dir + "/out.out");
    e2e::RunResult run = RunScript(dir, Start + c.pointer + Save);
    ASSERT_EQ(run.status, 0) << c.name << run.err;
    EXPECT_EQ(run.err, "") << c.name;
    const auto byPointer = e2e::ReadBytes(dir + "/out.out");
    std::filesystem::remove(dir + "/out.out");
    ASSERT_EQ(RunScript(dir, Start + c.keys + Save).status, 0) << c.name;
    const auto byKeys = e2e::ReadBytes(dir + "/out.out");
    EXPECT_TRUE(byPointer == byKeys) << c.name;
    EXPECT_EQ(byKeys == before, c.unchanged) << c.name;
  }
}

// Scrolling the map under the picker's cursor leaves no trace of that cursor
// in the picker when the cursor moves on.
TEST(Pointer, WordMapWheelLeavesNoCursorBehind) {
  std::string dir = MakeWorkDir();
  std::string keys = "open cancel\nkey F5\nkey TAB\nframes 2\n";
  std::string tail = "key RIGHT\nframes 2\nshot out.raw\n";
  ASSERT_EQ(RunScript(dir, keys + "mouse wheel -1 300 100\n" + tail).status, 0);
  e2e::Shot wheeled = e2e::ReadShot(dir + "/out.raw");
  ASSERT_EQ(RunScript(dir, keys + tail).status, 0);
  e2e::Shot plain = e2e::ReadShot(dir + "/out.raw");
  // The picker but the slot the cursor stands on, drawn in another colour.
  for (int y = 400; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      if (y < 420 && x >= 32 && x < 64) continue;
      ASSERT_EQ(wheeled.at(x, y), plain.at(x, y)) << x << ", " << y;
    }
  }
}

TEST(Pointer, ScriptRefusesBadPointerLines) {
  std::string dir = MakeWorkDir();
  for (const char* line :
       {"mouse move 640 0", "mouse move 0 480", "mouse move -1 0", "mouse move 1",
        "click left 1 2 3", "mouse wheel 0 1 1", "mouse wheel 101 1 1", "mouse wheel -101 1 1",
        "mouse wheel ctrl+1 1 1", "click middle 1 1", "mouse up shift+left 1 1", "mouse jump 1 1",
        "mouse", "click ctrl+ 1 1"}) {
    e2e::RunResult run = RunScript(dir, std::string("open cancel\n") + line + "\n");
    EXPECT_EQ(run.status, 2) << line;
    EXPECT_NE(run.err.find("line 2: "), std::string::npos) << line << ": " << run.err;
  }
  for (const char* line :
       {"mouse move 639 479", "mouse wheel -100 0 0", "mouse wheel shift+100 1 1",
        "mouse wheel +3 1 1", "click shift+ctrl+right 0x10 0x20"})
    EXPECT_EQ(RunScript(dir, std::string("open cancel\n") + line + "\n").status, 0) << line;
}

}  // namespace
