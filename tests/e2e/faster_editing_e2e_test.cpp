// Fill, go to, find and replace, and paging, each checked against the keys
// it saves: two scripts that must leave the same saved set and the same
// screen, or one script and the set it must save.
#include <gtest/gtest.h>

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

// "DOWN*3 ctrl+H confirm:yes" -> key lines, repeated, and a confirm line.
std::string Expand(const std::string& words) {
  std::istringstream in(words);
  std::string word, script;
  while (in >> word) {
    if (word.rfind("confirm:", 0) == 0) {
      script += "confirm " + word.substr(8) + "\n";
      continue;
    }
    int times = 1;
    if (auto star = word.find('*'); star != std::string::npos) {
      times = std::stoi(word.substr(star + 1));
      word.resize(star);
    }
    for (int i = 0; i < times; ++i) script += "key " + word + "\n";
  }
  return script;
}

int KeyCount(const std::string& script) {
  int keys = 0;
  for (std::size_t at = 0; (at = script.find("key ", at)) != std::string::npos; at += 4) ++keys;
  return keys;
}

struct Outcome {
  Bytes saved;
  Bytes screen;
  std::string err;
};

// Opens `set`, runs the keys, pads with keys that do nothing up to `keys`
// presses (so the cursor colour matches), shoots, then saves with F3.
Outcome RunKeys(const Bytes& set, const std::string& words, int keys = 0) {
  std::string dir = e2e::MakeWorkDir();
  e2e::WriteBytes(dir + "/Areas.out", set);
  std::string script = Expand(words);
  for (int i = KeyCount(script); i < keys; ++i) script += "key F12\n";
  e2e::RunResult run =
      e2e::RunScript(dir, "open Areas.out\n" + script + "frames 20\nshot s.raw\nkey F3\n");
  EXPECT_EQ(run.status, 0) << words << run.err;
  return {e2e::ReadBytes(dir + "/Areas.out"), e2e::ReadBytes(dir + "/s.raw"), run.err};
}

// Both scripts leave the same saved set and the same screen.
void ExpectSame(const Bytes& set, const std::string& a, const std::string& b) {
  int keys = std::max(KeyCount(Expand(a)), KeyCount(Expand(b)));
  Outcome one = RunKeys(set, a, keys), two = RunKeys(set, b, keys);
  EXPECT_TRUE(one.saved == two.saved) << "saved sets differ:\n  " << a << "\n  " << b;
  EXPECT_TRUE(one.screen == two.screen) << "screens differ:\n  " << a << "\n  " << b;
}

// Arrow keys from the editor cursor's place to (x, y), within rows.
struct EditorCursor {
  int x = 0, y = 0;
  std::string To(int tx, int ty) {
    std::string keys;
    auto repeat = [&](const char* key, int n) {
      if (n > 0) keys += std::string(key) + "*" + std::to_string(n) + " ";
    };
    repeat("RIGHT", tx - x);
    repeat("LEFT", x - tx);
    repeat("DOWN", ty - y);
    repeat("UP", y - ty);
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
  struct Mark {
    int x, y, across, down;  // negative: LEFT / UP
  };
  for (Mark m : {Mark{2, 3, 3, 2}, Mark{10, 8, -4, -5}, Mark{15, 9, -15, -9}, Mark{4, 4, 1, 0}}) {
    EditorCursor fill, place;
    std::string marking = fill.To(m.x, m.y);
    for (int i = 0; i < std::abs(m.across); ++i)
      marking += m.across > 0 ? "shift+RIGHT " : "shift+LEFT ";
    for (int i = 0; i < std::abs(m.down); ++i) marking += m.down > 0 ? "shift+DOWN " : "shift+UP ";
    fill.To(m.x + m.across, m.y + m.down);
    std::string spaces;
    for (int y = std::min(m.y, m.y + m.down); y <= std::max(m.y, m.y + m.down); ++y)
      for (int x = std::min(m.x, m.x + m.across); x <= std::max(m.x, m.x + m.across); ++x)
        spaces += place.To(x, y) + "SPACE ";
    ExpectSame(set, Select(7) + marking + "F " + fill.To(6, 6),
               Select(7) + spaces + place.To(6, 6));
  }
}

// The flood fill equals SPACE at every cell of the region found here: the
// cells joined to the start through equal neighbours.
TEST(Fill, FloodIsSpaceAtEachCellOfTheRegion) {
  for (unsigned seed : {2u, 3u, 4u}) {
    const Bytes set = RandomSet(seed);
    for (auto [sx, sy] : {std::pair{0, 0}, {7, 4}, {15, 9}}) {
      std::vector<int> region = {16 * sy + sx}, seen(Cells, 0);
      seen[region[0]] = 1;
      for (std::size_t k = 0; k < region.size(); ++k) {
        int x = region[k] % 16, y = region[k] / 16;
        for (auto [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
          int n = 16 * ny + nx;
          if (nx < 0 || nx > 15 || ny < 0 || ny > 9 || seen[n] || set[n] != set[region[0]])
            continue;
          seen[n] = 1;
          region.push_back(n);
        }
      }
      EditorCursor fill, place;
      std::string spaces;
      for (int i = 0; i < Cells; ++i)
        if (seen[i]) spaces += place.To(i % 16, i / 16) + "SPACE ";
      // One call a statement: the cursors move in the order of the keys.
      std::string filled = fill.To(sx, sy) + "F ";
      filled += fill.To(0, 0);
      ExpectSame(set, Select(9) + filled, Select(9) + spaces + place.To(0, 0));
      // A region that holds the selected cell already stays as it is.
      EditorCursor got, moved;
      std::string getFill = got.To(sx, sy) + "G F ", get = moved.To(sx, sy) + "G ";
      getFill += got.To(0, 0);
      get += moved.To(0, 0);
      ExpectSame(set, getFill, get);
    }
  }
  // F in the selector does nothing.
  ExpectSame(RandomSet(5), "TAB F TAB", "TAB TAB");
}

TEST(GoTo, NumbersAndTheKeysTheyStandFor) {
  const Bytes set = RandomSet(6);
  const std::string edit = "RIGHT SPACE ";  // cell 0 at (1, 0), not stored
  const struct {
    const char* typed;
    std::string keys;
  } cases[] = {
      // Going to an area stores the edited one first, then loads as + does.
      {"0 RETURN", "F2"},
      {"1 RETURN", "F2 ADD"},
      {"3 7 RETURN", "F2 ADD*37"},
      {"2 5 4 RETURN", "F2 ADD*254"},
      {"NUMPAD4 NUMPAD2 RETURN", "F2 ADD*42"},
      {"1 9 BACK 2 RETURN", "F2 ADD*12"},
      {"1 2 3 4 RETURN", "F2 ADD*123"},  // a fourth digit is refused
      {"3 0 0 RETURN", ""},              // so is a number over 255
      {"1 2 ESCAPE RETURN", ""},
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
  };
  for (const auto& c : cases) ExpectSame(set, edit + c.typed, edit + c.keys);
}

TEST(GoTo, AreaTwoHundredFiftyFiveCanBeEdited) {
  const Bytes set = RandomSet(7);
  Outcome run = RunKeys(set, "2 5 5 RETURN RIGHT SPACE");
  Bytes expected = set;
  expected[Record * 255 + 1] = 0;
  for (int area = 0; area < 256; ++area)
    for (int i = 0; i < Cells; ++i)
      expected[Record * area + Cells + i] = e2e::CellId(expected[Record * area + i]);
  EXPECT_TRUE(Bytes(run.saved.begin(), run.saved.begin() + 256 * Record) ==
              Bytes(expected.begin(), expected.begin() + 256 * Record));
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
  const struct {
    const char* keys;
    Bytes expected;
    const char* err;  // a part of stderr, or "" for none
  } cases[] = {
      {"ctrl+H confirm:yes", Rewritten(opened, old, now, 0, 255), ""},
      {"ctrl+H confirm:no", Rewritten(opened, old, now, 0, 0), ""},
      {"ctrl+H confirm:cancel", opened, ""},
      {"ctrl+H", opened, "default answer, cancel"},
      {"ctrl+H confirm:yes ctrl+Z", opened, ""},
      {"ctrl+H confirm:yes ctrl+Z ctrl+Y", Rewritten(opened, old, now, 0, 255), ""},
      // With a block marked, only the block, and nothing is asked; the old
      // cell is the one under the cursor, at the block's end corner.
      {"shift+RIGHT*3 shift+DOWN*2 ctrl+H",
       Rewritten(opened, set[16 * 2 + 3], now, 0, 0, 0, 0, 3, 2), ""},
  };
  for (const auto& c : cases) {
    Outcome run = RunKeys(set, Select(now) + c.keys);
    EXPECT_TRUE(run.saved == c.expected) << c.keys;
    EXPECT_TRUE(*c.err ? run.err.find(c.err) != std::string::npos : run.err.empty())
        << c.keys << ": " << run.err;
  }
  // The same cell: nothing happens and nothing is asked.
  Outcome same = RunKeys(set, "G ctrl+H");
  EXPECT_TRUE(same.saved == opened);
  EXPECT_TRUE(same.err.empty()) << same.err;
  // The question counts the uses in all areas, the edited one as edited.
  std::string question = RunKeys(set, "ctrl+H").err;
  int uses = 0, areas = 0;
  for (int area = 0; area < 256; ++area) {
    int here = 0;
    for (int i = 0; i < Cells; ++i) here += set[Record * area + i] == set[0];
    uses += here;
    areas += here > 0;
  }
  std::ostringstream text;
  text << "Replace cell " << old << " with cell 0 in all areas? " << uses << " uses in " << areas
       << " areas. No: this area only.";
  EXPECT_NE(question.find(text.str()), std::string::npos) << question;
}

TEST(Paging, SelectorMapAndPickerMoveAsTheArrowsWould) {
  const Bytes set = RandomSet(9);
  const std::pair<const char*, const char*> cases[] = {
      {"TAB DOWN*2 NEXT", "TAB DOWN*5"},
      {"TAB DOWN*2 NEXT*4", "TAB DOWN*12"},
      {"TAB DOWN*12 UP*2 PRIOR", "TAB DOWN*12 UP*5"},
      {"NEXT PRIOR HOME END", ""},  // nothing in the editor window
      {"F5 DOWN*3 NEXT", "F5 DOWN*31 UP*12"},
      {"F5 DOWN*31 UP*12 PRIOR", "F5 DOWN*31 UP*31 DOWN*3"},
      {"F5 NEXT*20", "F5 DOWN*255"},
      {"F5 RIGHT*2 END", "F5 RIGHT*31 LEFT*13"},
      {"F5 RIGHT*2 END HOME", "F5 RIGHT*2"},
      {"F5 HOME PRIOR", "F5"},
      {"F5 TAB DOWN NEXT", "F5 TAB DOWN*7 UP*2"},
      {"F5 TAB NEXT*3 PRIOR HOME END", "F5 TAB DOWN*3 DOWN*9 UP*3 UP*4"},
  };
  for (const auto& [a, b] : cases) ExpectSame(set, a, b);
}

TEST(HelpPage, PgDnShowsTheSecondPageAndPgUpTheFirst) {
  // Esc leaves from either page, giving back the editor's screen as it was.
  std::string pages[2];
  for (std::string& dir : pages) {
    dir = e2e::MakeWorkDir(true);
    const char* turns = &dir == &pages[0] ? "key F1\nkey ESCAPE\n"
                                          : "key F1\nshot one.raw\nkey NEXT\nshot two.png\n"
                                            "key NEXT\nshot two.raw\nkey PRIOR\nshot back.raw\n"
                                            "key PRIOR\nkey NEXT\nkey ESCAPE\n";
    e2e::RunResult run = e2e::RunScript(
        dir, std::string("open Areas.out\nkey RIGHT\nframes 2\n") + turns + "shot editor.raw\n");
    ASSERT_EQ(run.status, 0) << run.err;
  }
  const std::string& dir = pages[1];
  e2e::ExpectGolden(dir + "/two.png", "help_page_more.png");
  EXPECT_TRUE(e2e::ReadBytes(dir + "/one.raw") == e2e::ReadBytes(dir + "/back.raw"));
  EXPECT_TRUE(e2e::ReadBytes(dir + "/one.raw") != e2e::ReadBytes(dir + "/two.raw"));
  EXPECT_TRUE(e2e::ReadBytes(dir + "/editor.raw") == e2e::ReadBytes(pages[0] + "/editor.raw"));
}

}  // namespace
