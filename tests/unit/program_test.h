// The unit tests' fixture: a fresh scratch folder holding the test bank, the
// program and the platform double reset, and keys given to the area editor
// inside the running program as its main loop gives them.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "area/block.h"
#include "area/editor_keys.h"
#include "area/editor_state.h"
#include "draw/cursor.h"
#include "tests/platform_double.h"

using Picture = std::vector<std::uint8_t>;

// The w x h block at (left, top) of the screen is pixel(x, y) throughout.
template <typename Pixel>
::testing::AssertionResult Shows(const Picture& screen, int left, int top, int w, int h,
                                 Pixel pixel) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (screen[640 * (top + y) + left + x] != pixel(x, y))
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") of the block at ("
                                             << left << ", " << top << ")";
  return ::testing::AssertionSuccess();
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dbl::EnterTempDir();
    dbl::WriteTestBank();
    dbl::Reset();
  }

  // Runs body inside the program, started on a new set (no open answer).
  static void Inside(const std::function<void()>& body) {
    dbl::Do(body);
    dbl::RunProgram();
  }

  // Keys given through the main loop.
  static void Keys(OsWParam key, int times) {
    for (int i = 0; i < times; ++i) dbl::Key(key);
  }
  static void Keys(std::initializer_list<OsWParam> keys) {
    for (OsWParam key : keys) dbl::Key(key);
  }

  // A key handed to the area editor as its turn hands it, with Shift or Ctrl held.
  static void Press(OsWParam key, bool shift = false, bool control = false) {
    emu::SetHeldModifiers(shift, control);
    AreaEditorState.previousX = AreaEditorState.cursorX;
    AreaEditorState.previousY = AreaEditorState.cursorY;
    HandleAreaEditorKey(key);
    emu::SetHeldModifiers(false, false);
  }

  // The pace of a loop: Note queues a look at the vertical blanks and the
  // cursor colour counter; Steps gives what each changed by between looks.
  struct Pace {
    std::vector<std::pair<std::uint64_t, std::uint32_t>> seen;
    void Note() {
      dbl::Do([this] { seen.emplace_back(emu::Display.verticalBlanks, CursorColourCounter); });
    }
    std::vector<std::pair<std::uint64_t, std::uint32_t>> Steps() const {
      std::vector<std::pair<std::uint64_t, std::uint32_t>> steps;
      for (std::size_t i = 1; i < seen.size(); ++i)
        steps.emplace_back(seen[i].first - seen[i - 1].first,
                           (seen[i].second + 16 - seen[i - 1].second) % 16);
      return steps;
    }
  };

  using Corners = std::array<int, 4>;
  static Corners Of(const BlockCorners& b) { return {b.x1, b.y1, b.x2, b.y2}; }

  static void At(int x, int y) {
    AreaEditorState.cursorX = x;
    AreaEditorState.cursorY = y;
  }

  // From (x, y): Shift+across `across` times, then Shift+down `down` times.
  static void Mark(int x, int y, int across, int down, OsWParam h = VK_RIGHT,
                   OsWParam v = VK_DOWN) {
    At(x, y);
    for (int i = 0; i < across; ++i) Press(h, true);
    for (int i = 0; i < down; ++i) Press(v, true);
  }

  // Block mode at a glance: its code, whether it blinks, the live corners and
  // the stored ones.
  using BlockView = std::array<int, 10>;
  static BlockView BlockNow() {
    const BlockStateRecord& b = BlockState;
    return {b.code,    b.blinking,  b.live.x1,   b.live.y1,   b.live.x2,
            b.live.y2, b.stored.x1, b.stored.y1, b.stored.x2, b.stored.y2};
  }
};
