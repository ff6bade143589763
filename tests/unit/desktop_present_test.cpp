// The desktop's present path on frames the program draws: the changed parts
// found cover exactly what changed, and the window drawn from them alone is
// the whole picture scaled; plus the status the program hands down.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/sdl/frame_present.h"
#include "tests/platform_double.h"

namespace {

using present::Height;
using present::Width;

struct Window {
  static constexpr int Factor = 2;
  std::unique_ptr<present::ShownFrame> shown = std::make_unique<present::ShownFrame>();
  std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(Width * Height * Factor * Factor);
};

// Presents the program's frame through `tint` on top of its palette, and
// checks the changed parts against the frame shown before and the window
// against the frame scaled. A change in too many parts may come as their
// bounds, not `exact`ly.
void PresentAndCheck(Window& window, std::uint32_t tint, const char* step, bool exact = true) {
  SCOPED_TRACE(step);
  std::uint32_t colours[256];
  for (int i = 0; i < 256; ++i) {
    const OsPaletteEntry& entry = emu::Display.inForce[i];
    colours[i] = (std::uint32_t{entry.red} << 16 | entry.green << 8 | entry.blue) ^ tint;
  }
  std::vector<std::uint8_t> before(window.shown->indices, window.shown->indices + Width * Height);
  bool paletteChanged = std::memcmp(colours, window.shown->colours, sizeof colours) != 0;
  present::Rect rects[present::MaxRects];
  int count =
      present::FindChanges(emu::Display.surface, emu::Display.pitch, colours, *window.shown, rects);
  present::Target target = {window.pixels.data(), Width * Window::Factor};
  for (int i = 0; i < count; ++i)
    present::DrawRect(*window.shown, rects[i], Window::Factor, target, 0, 0);

  std::vector<std::uint8_t> frame = dbl::Screen();
  std::vector<int> cover(Width * Height, 0);
  for (int i = 0; i < count; ++i)
    for (int y = rects[i].y; y < rects[i].y + rects[i].h; ++y)
      for (int x = rects[i].x; x < rects[i].x + rects[i].w; ++x) ++cover[Width * y + x];
  int changedSpansOutside = 0, unchangedSpansInside = 0, overlaps = 0;
  for (int y = 0; y < Height; ++y)
    for (int span = 0; span < present::Spans; ++span) {
      int at = Width * y + span * present::SpanWidth;
      bool changed =
          paletteChanged || std::memcmp(&frame[at], &before[at], present::SpanWidth) != 0;
      changedSpansOutside += changed && cover[at] == 0;
      unchangedSpansInside += !changed && cover[at] != 0;
      overlaps += cover[at] > 1;
    }
  EXPECT_EQ(changedSpansOutside, 0);
  EXPECT_EQ(overlaps, 0);
  if (exact) {
    EXPECT_EQ(unchangedSpansInside, 0);
  }
  int wrong = 0;
  for (int y = 0; y < Height * Window::Factor; ++y)
    for (int x = 0; x < Width * Window::Factor; ++x)
      wrong += window.pixels[Width * Window::Factor * y + x] !=
               colours[frame[Width * (y / Window::Factor) + x / Window::Factor]];
  EXPECT_EQ(wrong, 0);
}

TEST(DesktopPresent, ChangedPartsCoverExactlyWhatChangedAndRedrawThePicture) {
  dbl::EnterTempDir();
  dbl::WriteTestBank();
  dbl::Reset();
  Window window;
  dbl::Do([&] { PresentAndCheck(window, 0, "the first frame"); });
  dbl::Key(VK_RIGHT);
  dbl::Do([&] { PresentAndCheck(window, 0, "a cursor step"); });
  dbl::Key(VK_DOWN, true);
  dbl::Key(VK_RIGHT, true);
  dbl::Idle(40);
  dbl::Do([&] { PresentAndCheck(window, 0, "a block blink"); });
  dbl::Idle(20);
  dbl::Do([&] { PresentAndCheck(window, 0, "a block blink again"); });
  dbl::Key(VK_F1);
  dbl::Do([&] { PresentAndCheck(window, 0, "to the help page", false); });
  dbl::Key(VK_ESCAPE);
  dbl::Do([&] { PresentAndCheck(window, 0, "back from the help page", false); });
  dbl::Do([&] { PresentAndCheck(window, 0x00FF00, "a palette change"); });
  dbl::Key(VK_F2);
  dbl::Do([] {
    EXPECT_STREQ(dbl::Calls.status.event, "Area 0 stored");
    EXPECT_STREQ(dbl::Calls.status.fileName, "Areas.out");
    EXPECT_EQ(dbl::Calls.status.column, 2);
  });
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

// The picture fits by whole factors over a status line as tall as the
// factor allows, and an output with no room to spare has none.
TEST(DesktopPresent, LayOutKeepsTheStatusLineOutsideThePicture) {
  struct Case {
    int width, height, factor, pictureY, bandY, bandHeight;
  } cases[] = {
      {640, 480, 1, 0, 0, 0},      {640, 496, 1, 0, 480, 16},      {1280, 1024, 2, 16, 976, 32},
      {1300, 1000, 2, 4, 964, 32}, {1600, 1200, 2, 104, 1064, 32}, {320, 240, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    present::Layout layout = present::LayOut(c.width, c.height);
    EXPECT_EQ(layout.factor, c.factor) << c.width << "x" << c.height;
    EXPECT_EQ(layout.picture.y, c.pictureY) << c.width << "x" << c.height;
    EXPECT_EQ(layout.band.y, c.bandY) << c.width << "x" << c.height;
    EXPECT_EQ(layout.band.h, c.bandHeight) << c.width << "x" << c.height;
    EXPECT_LE(layout.picture.y + layout.picture.h + layout.band.h, c.height);
  }
}

}  // namespace
