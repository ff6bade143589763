// Undo and redo: random key sequences on random sets undone and redone whole,
// each key as one step, blocks, the Word Map and the memory bound.
#include "area/history.h"

#include <cstring>
#include <random>

#include "area/area_slots.h"
#include "area/editor_windows.h"
#include "files/area_set.h"
#include "runtime/status_events.h"
#include "tests/unit/program_test.h"
#include "worldmap/word_map_draw.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Everything undo restores: the image (slots and map), the edited area, the
// backup and the area number.
Bytes SetNow() {
  Bytes set(AreaSetImage, AreaSetImage + AreaSetSize);
  for (auto [from, size] : {std::pair<const void*, std::size_t>{EditGrid.cellLayer, AreaCells},
                            {EditGrid.idLayer, AreaCells},
                            {EditGrid.backupGrid, sizeof EditGrid.backupGrid},
                            {&AreaEditorState.currentArea, 4}}) {
    const auto* bytes = static_cast<const std::uint8_t*>(from);
    set.insert(set.end(), bytes, bytes + size);
  }
  return set;
}

class History : public ProgramTest {
 protected:
  static void Undo(int times = 1, OsWParam key = 'Z') {
    for (int i = 0; i < times; ++i) dbl::Key(key, false, true);
  }
  // `value` is `expected`, and `redraw` leaves the screen as it is.
  static void ExpectFresh(int value, int expected, void (*redraw)()) {
    EXPECT_EQ(value, expected);
    Bytes before = dbl::Screen();
    redraw();
    EXPECT_EQ(before, dbl::Screen());
  }
};

TEST_F(History, UndoingAllGivesTheOpenedSetAndRedoingAllTheEditedOne) {
  std::mt19937 random(13);
  const OsWParam editorKeys[] = {VK_LEFT, VK_RIGHT,    VK_UP, VK_DOWN,   VK_SPACE,  VK_TAB,
                                 VK_ADD,  VK_SUBTRACT, VK_F2, VK_DELETE, VK_INSERT, 'C',
                                 'V',     'G',         'Z',   VK_F3,     VK_F5};
  const OsWParam mapKeys[] = {VK_LEFT,  VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE,
                              VK_SPACE, VK_TAB,   VK_F3, 'Y',     VK_ESCAPE};
  for (int trial = 0; trial < 12; ++trial) {
    SetUp();
    Bytes file(AreaSetSize);
    for (std::uint8_t& byte : file) byte = static_cast<std::uint8_t>(random() % 6);
    dbl::WriteFile("set.out", file);
    dbl::AnswerOpen("set.out");
    // The set in memory and, when saved first with F3, the file.
    std::vector<std::pair<Bytes, Bytes>> seen;
    auto note = [&](bool save) {
      if (save) dbl::Key(VK_F3);
      dbl::Do([&seen, save] {
        seen.emplace_back(SetNow(), save ? dbl::ReadFile("set.out") : Bytes());
      });
    };
    note(true);
    const int count = 120;
    bool inMap = false;
    for (int i = 0; i < count; ++i) {
      OsWParam key = inMap ? mapKeys[random() % std::size(mapKeys)]
                           : editorKeys[random() % std::size(editorKeys)];
      inMap = (inMap || key == VK_F5) && key != VK_ESCAPE;
      dbl::Key(key, key >= VK_LEFT && key <= VK_DOWN && random() % 3 == 0);  // marks blocks
    }
    if (inMap) dbl::Key(VK_ESCAPE);
    note(true);
    // One history for both screens: every other trial undoes in the Word Map.
    if (trial % 2 == 1) dbl::Key(VK_F5);
    Undo(count + 2);
    if (trial % 2 == 1) dbl::Key(VK_ESCAPE);
    note(true);
    for (int i = 0; i < count + 2; ++i) dbl::Key(i % 2 ? 'Y' : 'Z', i % 2 == 0, true);
    note(true);
    // A change after undoing drops what could have been redone.
    Undo(3);
    Keys({VK_ADD, VK_SUBTRACT});
    note(false);
    Undo(2, 'Y');
    note(false);
    dbl::RunProgram();
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_TRUE(seen[2] == seen[0]) << "undoing all, trial " << trial;
    EXPECT_TRUE(seen[3] == seen[1]) << "redoing all, trial " << trial;
    EXPECT_TRUE(seen[5] == seen[4]) << "redoing after a change, trial " << trial;
  }
}

TEST_F(History, UndoEndsABlinkingBlockAndWorksFromTheWordMap) {
  dbl::AnswerOpen("");
  Keys({VK_TAB, VK_RIGHT, VK_SPACE, VK_TAB, VK_SPACE, VK_RIGHT, VK_SPACE});  // cell 1 twice
  for (OsWParam key : {VK_RIGHT, VK_LEFT, VK_LEFT}) dbl::Key(key, true);
  dbl::Idle(20);  // the block shows cell 0
  dbl::Do([] { EXPECT_EQ(EditGrid.displayLayer[0], 0); });
  Undo();
  dbl::Idle(4);
  dbl::Do([] {  // not blinking; cells 1 and 0, and 1 shown
    const EditGridRecord& g = EditGrid;
    EXPECT_EQ((Bytes{BlockState.blinking, g.cellLayer[0], g.cellLayer[1], g.displayLayer[0]}),
              (Bytes{0, 1, 0, 1}));
  });
  // In the Word Map: a map stamp and the area editor's F2 and SPACE undone,
  // the SPACE redone; both screens show the set as it is.
  Keys({VK_F2, VK_F5, VK_TAB, VK_RIGHT, VK_SPACE, VK_TAB, VK_SPACE, VK_TAB});
  Undo(3);
  dbl::Do([] {
    ExpectFresh(WordMapGrid()[0] + AreaRecord(0)[0] + EditGrid.cellLayer[0], 0, DrawMapWindow);
  });
  Undo(1, 'Y');
  Keys({VK_ESCAPE, VK_TAB});
  dbl::Do([] { ExpectFresh(EditGrid.cellLayer[0], 1, DrawEditorWindow); });
  dbl::RunProgram();
}

// One key, one step: each undo gives back the set as it was before the last
// key that changed it (after V, the area before the paste), each redo the set
// after it; an empty history in either direction says so.
TEST_F(History, EachKeyIsOneStepAndAnEmptyHistorySaysSo) {
  dbl::AnswerOpen("");
  // Cell 3 placed twice, a block copied and pasted, with a SPACE right after
  // the paste; F2, Delete, +, Insert, a paste into area 1; two map stamps, -.
  constexpr OsWParam Shifted = 0x10000, ShiftRight = VK_RIGHT | Shifted,
                     ShiftDown = VK_DOWN | Shifted;
  const OsWParam keys[] = {VK_TAB,   VK_RIGHT,  VK_RIGHT,  VK_RIGHT,   VK_SPACE,  VK_TAB,
                           VK_SPACE, VK_RIGHT,  VK_SPACE,  ShiftRight, ShiftDown, 'C',
                           VK_DOWN,  'G',       VK_LEFT,   'V',        VK_SPACE,  'V',
                           VK_F2,    VK_DELETE, VK_ADD,    VK_INSERT,  VK_RIGHT,  'V',
                           VK_F5,    VK_TAB,    VK_RIGHT,  VK_SPACE,   VK_TAB,    VK_SPACE,
                           VK_RIGHT, VK_SPACE,  VK_ESCAPE, VK_SUBTRACT};
  // The set before and after each step; those undone.
  std::vector<std::pair<Bytes, Bytes>> steps, undone;
  dbl::Do([&steps] { steps.emplace_back(Bytes(), SetNow()); });
  for (OsWParam key : keys) {
    dbl::Key(key & ~Shifted, (key & Shifted) != 0);
    dbl::Do([&steps] {
      if (SetNow() != steps.back().second) steps.emplace_back(steps.back().second, SetNow());
    });
  }
  for (bool redo : {false, true})
    for (std::size_t i = 0; i < std::size(keys) + 1; ++i) {
      Undo(1, redo ? 'Y' : 'Z');
      dbl::Do([&steps, &undone, redo] {
        auto& from = redo ? undone : steps;
        auto& to = redo ? steps : undone;
        if (from.size() == (redo ? 0u : 1u)) {
          HandStatusDown();
          EXPECT_STREQ(dbl::Calls.status.event, redo ? "Nothing to redo" : "Nothing to undo");
          return;
        }
        SCOPED_TRACE(testing::Message()
                     << (redo ? "redoing" : "undoing") << " step " << steps.size() - !redo);
        EXPECT_TRUE(SetNow() == (redo ? from.back().second : from.back().first));
        to.push_back(from.back());
        from.pop_back();
      });
    }
  dbl::RunProgram();
  EXPECT_EQ(steps.size(), 14u);  // thirteen keys changed the set
}

// The history keeps the newest steps within its memory, fewer when each is a
// whole area; steps of single cells, once those are undone and dropped, up to
// exactly its limit: undoing all gives the set as it was that many steps back.
TEST(HistoryBound, KeepsTheNewestStepsWithinItsMemoryAndExactlyItsLimit) {
  EditGrid = {};
  StartHistory();
  const int areas = 100000;
  for (int i = 1; i <= areas; ++i) {  // a whole area each
    std::memset(EditGrid.cellLayer, i % 251 + 1, AreaCells);
    std::memset(EditGrid.idLayer, i % 251 + 1, AreaCells);
    RecordStep();
  }
  HistoryFigures figures = ReadHistoryFigures();
  EXPECT_TRUE(figures.footprint < 64'000'000u && figures.steps < std::uint64_t{areas});
  while (UndoStep() != 0) continue;
  EXPECT_EQ(EditGrid.idLayer[0], (areas - figures.steps) % 251 + 1);
  const auto steps = static_cast<std::uint32_t>(HistoryStepLimit + 3);
  for (std::uint32_t i = 1; i <= steps; ++i) {  // the step's number in the first cells
    std::memcpy(EditGrid.cellLayer, &i, sizeof i);
    RecordStep();
  }
  std::uint64_t undone = 0;
  while (UndoStep() != 0) ++undone;
  std::uint32_t first = 0;
  std::memcpy(&first, EditGrid.cellLayer, sizeof first);
  EXPECT_EQ((std::array<std::uint64_t, 2>{undone, first}),
            (std::array<std::uint64_t, 2>{HistoryStepLimit, steps - HistoryStepLimit}));
  EditGrid = {};
}

}  // namespace
