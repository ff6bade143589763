// The pointer against the keys: each pointer script must leave the set that
// F3 writes exactly as the keys it stands for; the Word Map's picture after
// a wheel turn; and pointer lines the script refuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e/harness.h"

namespace {

using e2e::MakeWorkDir, e2e::RunScript, e2e::Script;

std::string At(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }
// A pixel of editor cell (c, r), of selector place (c, r), of map slot (p, q)
// and of picker slot (p, q); (dx, dy) inside it.
std::string Cell(int c, int r, int dx = 9, int dy = 9) {
  return At(64 + 32 * c + dx, 32 + 32 * r + dy);
}
std::string Sel(int c, int r) { return At(32 * c + 9, 384 + 32 * r + 9); }
std::string Slot(int p, int q) { return At(128 + 32 * p + 5, 20 * q + 5); }
std::string Pick(int p, int q) { return At(32 * p + 5, 400 + 20 * q + 5); }

// Short script lines: a click at each place; a press at the first place, a
// move to each of the others, and the release at the last.
std::string Click(std::initializer_list<std::string> places, const char* button = "left") {
  std::string lines;
  for (const std::string& place : places) lines += std::string("; click ") + button + " " + place;
  return lines + "; ";
}
std::string Drag(std::initializer_list<std::string> places, const char* button = "left") {
  std::string lines = std::string("; mouse down ") + button + " " + *places.begin();
  for (auto place = places.begin() + 1; place != places.end(); ++place)
    lines += "; mouse move " + *place;
  return lines + "; mouse up left " + *(places.end() - 1) + "; ";
}

// In the Word Map, area 9 selected, the map window active at (0, 0).
const std::string WordMap = "F5 TAB RIGHT*9 SPACE TAB ";

struct Case {
  const char* name;
  std::string pointer, keys;
  bool unchanged = false;  // the keys leave the set as it was
};

TEST(Pointer, EachActionLeavesTheSetItsKeysLeave) {
  const Case cases[] = {
      {"a click is arrows to the cell, then SPACE; cells end at their edges",
       Click({Cell(5, 3, 31, 0), "64 32", "575 351", "63 40", "576 100", "100 352", "5 5"}),
       "RIGHT*5 DOWN*3 SPACE LEFT*5 UP*3 SPACE LEFT DOWN*9 SPACE"},
      {"from the selector a click is TAB first", "TAB" + Click({Cell(1, 2)}),
       "TAB TAB RIGHT DOWN DOWN SPACE"},
      {"a drag is SPACE at every cell entered, the ones a quick move passes included",
       Drag({Cell(0, 4), Cell(1, 4), Cell(4, 4), "600 200", Cell(6, 4)}) + "mouse move " +
           Cell(9, 4),
       "DOWN*4 SPACE RIGHT SPACE RIGHT SPACE RIGHT SPACE RIGHT SPACE RIGHT RIGHT SPACE"},
      {"a right click is G; a selector click selects",
       Click({Cell(2, 2), Sel(7, 0)}) + Click({Cell(2, 2)}, "right") +
           Click({Cell(5, 5), Sel(9, 1), Cell(6, 5)}) + Click({Sel(1, 1)}, "right"),
       "RIGHT*2 DOWN*2 SPACE TAB RIGHT*4 SPACE TAB G RIGHT*3 DOWN*3 SPACE TAB RIGHT*2 DOWN SPACE "
       "TAB RIGHT SPACE"},
      {"the wheel scrolls the bank under the selector only; past cell 255 nothing is selected",
       "mouse wheel -2 300 450; mouse wheel 5 300 200" + Click({Sel(4, 1), Cell(1, 1)}) +
           "mouse wheel -20 300 450" + Click({Sel(17, 2), Cell(2, 1)}),
       "TAB DOWN*4 UP RIGHT SPACE TAB RIGHT DOWN SPACE RIGHT SPACE"},
      {"Shift with a press only moves; its drag marks a block",
       Click({Cell(1, 1), Sel(5, 0), Cell(2, 1)}) + Drag({Cell(1, 1), Cell(2, 1)}, "shift+left") +
           "C" + Click({Cell(6, 6)}, "shift+left") + "V",
       "RIGHT DOWN SPACE TAB RIGHT*2 SPACE TAB RIGHT SPACE LEFT shift+RIGHT C LEFT RIGHT*5 DOWN*5 "
       "V"},
      {"the modifiers of a press count as held by the keys until its release",
       Click({Cell(1, 1)}) + "mouse down shift+left " + Cell(1, 1) + "; RIGHT; mouse up left " +
           Cell(2, 1) + "; C DOWN V",
       "RIGHT DOWN SPACE shift+RIGHT C DOWN V"},
      {"Ctrl+Z after a drag gives the set before the drag",
       Click({Cell(0, 0)}) + Drag({Cell(0, 2), Cell(3, 2)}) + "ctrl+Z", "SPACE"},
      {"Ctrl+Z twice takes the click back too",
       Click({Cell(0, 0)}) + Drag({Cell(0, 2), Cell(3, 2)}) + "ctrl+Z ctrl+Z", "", true},
      {"Ctrl+Y after the undo puts the whole drag back",
       Drag({Cell(0, 2), Cell(3, 2)}) + "ctrl+Z ctrl+Y",
       "DOWN*2 SPACE RIGHT SPACE RIGHT SPACE RIGHT SPACE"},
      {"a left click leaves the help page and the preview; nothing else there does",
       "F1" + Click({"300 300"}, "right") + "mouse wheel 1 300 450" +
           Click({"300 300", Cell(1, 1)}) + "F4; frames 3" + Click({"10 10"}, "right") +
           Click({"10 10", Cell(2, 1)}),
       "F1 ESCAPE RIGHT DOWN SPACE F4; frames 3; ESCAPE RIGHT SPACE"},
      {"a map click is SPACE there, a drag SPACE at every slot entered",
       WordMap + Click({Pick(5, 1), Slot(3, 2)}) + Drag({Slot(0, 5), Slot(2, 5)}) + "ESCAPE",
       WordMap + "TAB LEFT*4 DOWN SPACE TAB RIGHT*3 DOWN*2 SPACE LEFT*3 DOWN*3 SPACE RIGHT SPACE "
                 "RIGHT SPACE ESCAPE"},
      {"a right click takes the area on the map and scrolls the picker to it",
       WordMap + "; mouse wheel -100 300 450" + Click({Pick(0, 1), Slot(1, 1)}) +
           "mouse wheel 100 300 450" + Click({Slot(1, 1)}, "right") +
           Click({Pick(0, 0), Slot(2, 1)}) + "ESCAPE",
       WordMap + "TAB LEFT*9 DOWN*12 UP*2 SPACE TAB RIGHT DOWN SPACE TAB UP*3 SPACE TAB RIGHT "
                 "SPACE ESCAPE"},
      {"the wheel scrolls the map, with Shift sideways; past area 255 nothing is selected",
       WordMap + "; mouse wheel -3 300 100; mouse wheel shift+-2 300 100; mouse wheel 1 300 100" +
           Click({Slot(0, 0)}) + "mouse wheel -100 300 450" + Click({Pick(19, 3), Slot(1, 0)}) +
           "ESCAPE",
       WordMap + "DOWN*17 RIGHT*17 UP*15 LEFT*15 SPACE RIGHT SPACE ESCAPE"},
      {"Ctrl+Z after a map drag gives the set before the drag",
       WordMap + Click({Slot(0, 0)}) + Drag({Slot(0, 3), Slot(5, 3)}) + "ctrl+Z ESCAPE",
       WordMap + "SPACE ESCAPE"},
  };
  // Cell 3 selected; the editor window active with its cursor at (0, 0), the
  // selector's kept at (3, 0). Then the script, and Save As.
  std::string dir = MakeWorkDir();
  auto saved = [&](const std::string& script) {
    std::filesystem::remove(dir + "/out.out");
    e2e::RunResult run = RunScript(
        dir, Script("open cancel; TAB RIGHT*3 SPACE TAB; " + script + "; shift+F3; save out.out"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    return e2e::ReadBytes(dir + "/out.out");
  };
  const auto before = saved("");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto byKeys = saved(c.keys);
    EXPECT_TRUE(saved(c.pointer) == byKeys);
    EXPECT_EQ(byKeys == before, c.unchanged);
  }
}

// Scrolling the map under the picker's cursor leaves no trace of that cursor
// in the picker when the cursor moves on.
TEST(Pointer, WordMapWheelLeavesNoCursorBehind) {
  std::string dir = MakeWorkDir();
  const std::string start = "open cancel; F5 TAB; frames 2; ", end = "; RIGHT; frames 2; shot ";
  ASSERT_EQ(RunScript(dir, Script(start + "mouse wheel -1 300 100" + end + "w.raw")).status, 0);
  ASSERT_EQ(RunScript(dir, Script(start + end + "p.raw")).status, 0);
  e2e::Shot wheeled = e2e::ReadShot(dir + "/w.raw"), plain = e2e::ReadShot(dir + "/p.raw");
  // The picker but the slot the cursor stands on, drawn in another colour.
  for (int y = 400; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      if (y < 420 && x >= 32 && x < 64) continue;
      ASSERT_EQ(wheeled.at(x, y), plain.at(x, y)) << x << ", " << y;
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
