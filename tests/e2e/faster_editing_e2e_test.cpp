// Fill, go to, find and replace, and paging, each checked against the keys
// it saves: two scripts that must leave the same saved set and the same
// screen, or one script and the set it must save.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sstream>

#include "tests/e2e/harness.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr int SetSize = 214016, Record = 320, Cells = 160;

// A set whose cells come from {1, 2, 3}, so that areas hold regions of equal
// cells and every cell is used in many areas.
Bytes RandomSet(unsigned seed) {
  std::mt19937 random(seed);
  Bytes set(SetSize);
  for (int area = 0; area < 256; ++area)
    for (int i = 0; i < Cells; ++i)
      set[Record * area + i] = static_cast<std::uint8_t>(1 + random() % 3);
  for (int i = 0x24400; i < SetSize; ++i) set[i] = static_cast<std::uint8_t>(random());
  return set;
}

int KeyCount(const std::string& script) {
  int keys = 0;
  for (std::size_t at = 0; (at = script.find("key ", at)) != std::string::npos; at += 4) ++keys;
  return keys;
}

struct Outcome {
  Bytes saved, screen;
  std::string err;
};

// Opens `set`, runs the keys, pads with keys that do nothing up to `keys`
// presses (so the cursor colour matches), shoots, then saves with F3.
Outcome RunKeys(const Bytes& set, const std::string& words, int keys = 0) {
  std::string dir = e2e::MakeWorkDir();
  e2e::WriteBytes(dir + "/Areas.out", set);
  std::string script = e2e::Script(words);
  for (int i = KeyCount(script); i < keys; ++i) script += "key F12\n";
  e2e::RunResult run =
      e2e::RunScript(dir, "open Areas.out\n" + script + "frames 20\nshot s.raw\nkey F3\n");
  EXPECT_EQ(run.status, 0) << words << run.err;
  return {e2e::ReadBytes(dir + "/Areas.out"), e2e::ReadBytes(dir + "/s.raw"), run.err};
}

// Both scripts leave the same saved set and the same screen.
void ExpectSame(const Bytes& set, const std::string& a, const std::string& b) {
  int keys = std::max(KeyCount(e2e::Script(a)), KeyCount(e2e::Script(b)));
  Outcome one = RunKeys(set, a, keys), two = RunKeys(set, b, keys);
  EXPECT_TRUE(one.saved == two.saved) << "saved sets differ:\n  " << a << "\n  " << b;
  EXPECT_TRUE(one.screen == two.screen) << "screens differ:\n  " << a << "\n  " << b;
}

// Arrow keys (with Shift, say) from the editor cursor's place to (x, y),
// within rows.
struct EditorCursor {
  int x = 0, y = 0;
  std::string To(int tx, int ty, const std::string& with = "") {
    std::string keys;
    for (auto [n, key] :
         {std::pair{tx - x, "RIGHT*"}, {x - tx, "LEFT*"}, {ty - y, "DOWN*"}, {y - ty, "UP*"}})
      if (n > 0) keys += with + key + std::to_string(n) + " ";
    x = tx;
    y = ty;
    return keys;
  }
};

// Cell `cell` (0..59) selected in the selector, the editor active again.
std::string Select(int cell) {
  return "TAB RIGHT*" + std::to_string(cell % 20) + " DOWN*" + std::to_string(cell / 20) +
         " SPACE TAB ";
}

TEST(Fill, ABlockIsSpaceAtEachOfItsCells) {
  const Bytes set = RandomSet(1);
  for (auto [x1, y1, x2, y2] :
       {std::array{2, 3, 5, 5}, {10, 8, 6, 3}, {15, 9, 0, 0}, {4, 4, 5, 4}}) {
    std::string marking = EditorCursor{}.To(x1, y1) + EditorCursor{x1, y1}.To(x2, y2, "shift+");
    EditorCursor place;
    std::string spaces;
    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
      for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
        spaces += place.To(x, y) + "SPACE ";
    ExpectSame(set, Select(7) + marking + "F " + EditorCursor{x2, y2}.To(6, 6),
               Select(7) + spaces + place.To(6, 6));
  }
}

// The flood fill equals SPACE at every cell of the region found here: the
// cells joined to the start through equal neighbours.
TEST(Fill, FloodIsSpaceAtEachCellOfTheRegion) {
  for (unsigned seed : {2u, 3u, 4u}) {
    const Bytes set = RandomSet(seed);
    for (auto [sx, sy] : {std::pair{0, 0}, {7, 4}, {15, 9}}) {
      std::vector<int> seen(Cells, 0);
      std::function<void(int, int)> flood = [&](int x, int y) {
        int n = 16 * y + x;
        if (x < 0 || x > 15 || y < 0 || y > 9 || seen[n] || set[n] != set[16 * sy + sx]) return;
        seen[n] = 1;
        for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) flood(x + dx, y + dy);
      };
      flood(sx, sy);
      EditorCursor place;
      std::string spaces;
      for (int i = 0; i < Cells; ++i)
        if (seen[i]) spaces += place.To(i % 16, i / 16) + "SPACE ";
      std::string to = EditorCursor{}.To(sx, sy), back = EditorCursor{sx, sy}.To(0, 0);
      ExpectSame(set, Select(9) + to + "F " + back, Select(9) + spaces + place.To(0, 0));
      // A region that holds the selected cell already stays as it is.
      ExpectSame(set, to + "G F " + back, to + "G " + back);
    }
  }
}

// Each script and the older keys it stands for, after a cell placed at (1, 0)
// and not stored.
TEST(NewKeys, DoWhatTheKeysTheyStandForDo) {
  const Bytes set = RandomSet(6);
  const std::pair<const char*, const char*> cases[] = {
      // Going to an area stores the edited one first, then loads as + does.
      {"0 RETURN", "F2"},
      {"1 RETURN", "F2 ADD"},
      {"2 5 4 RETURN", "F2 ADD*254"},
      {"NUMPAD4 NUMPAD2 RETURN", "F2 ADD*42"},
      {"1 9 BACK 2 RETURN", "F2 ADD*12"},
      {"3 0 0 RETURN", ""},  // a number over 255 is refused
      {"BACK ESCAPE RETURN", ""},
      {"1 2 RIGHT RETURN", "RIGHT"},  // another key drops the number, then acts
      {"4 2 RETURN ctrl+Z", ""},      // one undo step
      // In the selector, a cell: selected, its row scrolled into view.
      {"TAB 1 5 3 RETURN SPACE TAB SPACE", "TAB DOWN*7 RIGHT*13 SPACE TAB SPACE"},
      {"TAB DOWN*12 2 RETURN", "TAB DOWN*12 UP*12 RIGHT*2 SPACE"},
      // In the Word Map, in either window, the selected area.
      {"F5 4 2 RETURN SPACE ESCAPE", "F5 TAB DOWN*2 RIGHT*2 SPACE TAB SPACE ESCAPE"},
      {"F5 2 0 0 RETURN", "F5 TAB DOWN*10 SPACE TAB"},
      {"F5 TAB 2 0 0 RETURN", "F5 TAB DOWN*10 SPACE UP*3"},
      {"F5 1 2 ESCAPE SPACE ESCAPE", "F5 SPACE ESCAPE"},  // Esc drops the number only
      // Paging in the selector, the map and the picker moves as the arrows
      // would; in the editor window it does nothing, and neither does F in
      // the selector.
      {"TAB DOWN*2 NEXT", "TAB DOWN*5"},
      {"TAB DOWN*2 NEXT*4", "TAB DOWN*12"},
      {"TAB DOWN*12 UP*2 PRIOR", "TAB DOWN*12 UP*5"},
      {"NEXT PRIOR HOME END", ""},
      {"TAB F TAB", "TAB TAB"},
      {"F5 DOWN*3 NEXT", "F5 DOWN*31 UP*12"},
      {"F5 DOWN*31 UP*12 PRIOR", "F5 DOWN*31 UP*31 DOWN*3"},
      {"F5 NEXT*20", "F5 DOWN*255"},
      {"F5 RIGHT*2 END", "F5 RIGHT*31 LEFT*13"},
      {"F5 RIGHT*2 END HOME", "F5 RIGHT*2"},
      {"F5 HOME PRIOR", "F5"},
      {"F5 TAB DOWN NEXT", "F5 TAB DOWN*7 UP*2"},
      {"F5 TAB NEXT*3 PRIOR HOME END", "F5 TAB DOWN*3 DOWN*9 UP*3 UP*4"},
  };
  for (const auto& [typed, keys] : cases)
    ExpectSame(set, std::string("RIGHT SPACE ") + typed, std::string("RIGHT SPACE ") + keys);
}

// Every use of `old` in the chosen records (or cells of area 0) becomes
// `now`, its id the bank's.
Bytes Rewritten(Bytes set, int old, int now, int firstArea, int lastArea, int x1 = 0, int y1 = 0,
                int x2 = 15, int y2 = 9) {
  for (int area = firstArea; area <= lastArea; ++area)
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x) {
        std::uint8_t* cell = &set[Record * area + 16 * y + x];
        if (*cell == old) {
          *cell = static_cast<std::uint8_t>(now);
          cell[Cells] = e2e::CellId(now);
        }
      }
  return set;
}

TEST(Replace, EveryAnswerGivesItsSetInOneUndoStep) {
  const Bytes set = RandomSet(8);
  const Bytes opened = RunKeys(set, "").saved;  // ids as the bank gives them
  const int old = set[0], now = 7;
  // The question counts the uses in all areas.
  int uses = 0, areas = 0;
  for (int area = 0; area < 256; ++area) {
    int here = 0;
    for (int i = 0; i < Cells; ++i) here += set[Record * area + i] == old;
    uses += here;
    areas += here > 0;
  }
  std::ostringstream question;
  question << "Replace cell " << old << " with cell 7 in all areas? " << uses << " uses in "
           << areas << " areas. No: this area only.\" gets its default answer, cancel";
  const struct {
    const char* keys;  // after cell 7 selected
    Bytes expected;
    std::string err;  // a part of stderr, or "" for none
  } cases[] = {
      {"ctrl+H; confirm yes", Rewritten(opened, old, now, 0, 255), ""},
      {"ctrl+H; confirm no", Rewritten(opened, old, now, 0, 0), ""},
      {"ctrl+H; confirm cancel", opened, ""},
      {"ctrl+H", opened, question.str()},
      {"ctrl+H; confirm yes; ctrl+Z", opened, ""},
      {"ctrl+H; confirm yes; ctrl+Z ctrl+Y", Rewritten(opened, old, now, 0, 255), ""},
      // With a block marked, only the block, and nothing is asked; the old
      // cell is the one under the cursor, at the block's end corner.
      {"shift+RIGHT*3 shift+DOWN*2 ctrl+H",
       Rewritten(opened, set[16 * 2 + 3], now, 0, 0, 0, 0, 3, 2), ""},
      {"G ctrl+H", opened, ""},  // the same cell: nothing happens and nothing is asked
      // Not a replace: area 255 can be gone to and edited.
      {"2 5 5 RETURN RIGHT SPACE",
       Rewritten(opened, set[Record * 255 + 1], now, 255, 255, 1, 0, 1, 0), ""},
  };
  for (const auto& c : cases) {
    Outcome run = RunKeys(set, Select(now) + c.keys);
    EXPECT_TRUE(run.saved == c.expected) << c.keys;
    EXPECT_TRUE(c.err.empty() ? run.err.empty() : run.err.find(c.err) != std::string::npos)
        << c.keys << ": " << run.err;
  }
}

}  // namespace
