// The desktop's present path on frames the program draws: the changed parts
// found cover exactly what changed, and the window drawn from them alone is
// the whole picture scaled; the layout of picture and status line.
#include <cstring>
#include <memory>

#include "platform/present/frame_present.h"
#include "tests/unit/program_test.h"

namespace {

using present::Height, present::Width;

struct Window {
  static constexpr int Factor = 2;
  std::unique_ptr<present::ShownFrame> shown = std::make_unique<present::ShownFrame>();
  std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(Width * Height * Factor * Factor);
};

// Presents the frame with its palette xor `tint`; the changed parts must cover
// the changes since the frame shown before (`exact`ly, unless there are too
// many to list) and the window must be the frame scaled.
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
  std::vector<int> cover(Width * Height, 0);
  for (int i = 0; i < count; ++i) {
    present::DrawRect(*window.shown, rects[i], Window::Factor, target, 0, 0);
    for (int y = rects[i].y; y < rects[i].y + rects[i].h; ++y)
      for (int x = rects[i].x; x < rects[i].x + rects[i].w; ++x) ++cover[Width * y + x];
  }
  std::vector<std::uint8_t> frame = dbl::Screen();
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
  int wrong = 0;
  for (int y = 0; y < Height * Window::Factor; ++y)
    for (int x = 0; x < Width * Window::Factor; ++x)
      wrong += window.pixels[Width * Window::Factor * y + x] !=
               colours[frame[Width * (y / Window::Factor) + x / Window::Factor]];
  EXPECT_EQ((std::array{changedSpansOutside, overlaps, exact ? unchangedSpansInside : 0, wrong}),
            (std::array{0, 0, 0, 0}));
}

using DesktopPresent = ProgramTest;

TEST_F(DesktopPresent, ChangedPartsCoverExactlyWhatChangedAndRedrawThePicture) {
  Window window;
  dbl::Do([&] { PresentAndCheck(window, 0, "the first frame"); });
  dbl::Key(VK_RIGHT);
  dbl::Do([&] { PresentAndCheck(window, 0, "a cursor step"); });
  dbl::Key(VK_DOWN, true);
  dbl::Key(VK_RIGHT, true);
  dbl::Idle(40);
  dbl::Do([&] { PresentAndCheck(window, 0, "a block blink"); });
  dbl::Key(VK_F1);
  dbl::Do([&] { PresentAndCheck(window, 0, "to the help page", false); });
  dbl::Key(VK_ESCAPE);
  dbl::Do([&] { PresentAndCheck(window, 0, "back from the help page", false); });
  dbl::Do([&] { PresentAndCheck(window, 0x00FF00, "a palette change"); });
  EXPECT_EQ(dbl::RunProgram(), 0u);
}

// The picture fits by whole factors over a status line as tall as the
// factor allows, and an output with no room to spare has none.
TEST_F(DesktopPresent, LayOutKeepsTheStatusLineOutsideThePicture) {
  const std::array<int, 6> cases[] = {
      // width, height, factor, picture y, status line y, its height
      {640, 480, 1, 0, 0, 0},      {640, 496, 1, 0, 480, 16},      {1280, 1024, 2, 16, 976, 32},
      {1300, 1000, 2, 4, 964, 32}, {1600, 1200, 2, 104, 1064, 32}, {320, 240, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    present::Layout l = present::LayOut(c[0], c[1]);
    EXPECT_EQ((std::array{c[0], c[1], l.factor, l.picture.y, l.band.y, l.band.h}), c);
    EXPECT_LE(l.picture.y + l.picture.h + l.band.h, c[1]);
  }
}

// A window point maps to the picture pixel drawn there; outside the picture
// (the letterbox, the status line) it maps to none, but to the nearest pixel.
TEST_F(DesktopPresent, WindowPointsMapToThePicturePixelShownThere) {
  // output width, height, point x, y, inside, picture x, y
  const std::array<int, 7> cases[] = {
      {640, 496, 0, 0, 1, 0, 0},           {640, 496, 639, 479, 1, 639, 479},
      {640, 496, 100, 480, 0, 100, 479},   {1600, 1200, 160, 104, 1, 0, 0},
      {1600, 1200, 800, 103, 0, 320, 0},   {320, 240, 319, 239, 1, 638, 478},
      {320, 240, 1, 1, 1, 2, 2},           {1300, 1000, 10, 4, 1, 0, 0},
      {1300, 1000, 11, 5, 1, 0, 0},        {1300, 1000, 12, 6, 1, 1, 1},
      {1300, 1000, 9, 500, 0, 0, 248},     {1300, 1000, 1289, 963, 1, 639, 479},
      {1300, 1000, 1290, 980, 0, 639, 479}};
  for (const auto& c : cases) {
    int x = -1, y = -1;
    bool inside = present::PicturePixel(present::LayOut(c[0], c[1]), c[2], c[3], x, y);
    EXPECT_EQ((std::array{c[0], c[1], c[2], c[3], inside ? 1 : 0, x, y}), c);
  }
}

}  // namespace
