// Presenting the 8-bit frame on a 32-bit window: where the picture and the
// status line lie, which parts of the frame changed since the last present,
// and converting and scaling only those. Free of SDL, so that tests and
// benchmarks drive it on plain buffers.
#pragma once

#include <cstdint>

namespace present {

constexpr int Width = 640;
constexpr int Height = 480;
constexpr int SpanWidth = 32;  // a row's changes are tracked in spans this wide
constexpr int Spans = Width / SpanWidth;
constexpr int MaxRects = 64;          // more changed parts are presented as their bounds
constexpr int StatusLineHeight = 16;  // one line of the help font, unscaled

struct Rect {
  int x, y, w, h;
};

struct Layout {
  int factor;    // the picture's whole scale; 0 when the output is smaller
  Rect picture;  // output pixels
  Rect band;     // the status line; empty when there is no room below the picture
  int textScale;
};

// The picture at the largest whole scale that fits, centred above a status
// line as tall as the picture's scale allows (at least 16 pixels) when the
// output has that room to spare; an output smaller than the picture shows all
// of it, shrunk, and no status line.
Layout LayOut(int outputWidth, int outputHeight);

// The picture pixel (x, y) shown at output pixel (outX, outY); false outside
// the picture, where (x, y) is then the picture's pixel nearest to it.
bool PicturePixel(const Layout& layout, int outX, int outY, int& x, int& y);

// What the window shows: the frame's indices and the colours they went
// through. Invalid at first and after anything spoils the window.
struct ShownFrame {
  std::uint8_t indices[Width * Height];
  std::uint32_t colours[256];
  bool valid;
};

// Takes what changed between `frame` (rows `pitch` bytes apart) through
// `colours` and what is shown into `shown`, and writes the changed parts to
// `rects` (picture pixels, at most MaxRects); returns how many. A palette
// change or an invalid `shown` changes the whole picture.
int FindChanges(const std::uint8_t* frame, int pitch, const std::uint32_t* colours,
                ShownFrame& shown, Rect* rects);

// A 32-bit pixel buffer; pitch in pixels.
struct Target {
  std::uint32_t* pixels;
  int pitch;
};

// Converts `rect` of the shown frame through its colours and writes it
// scaled by `factor` with the picture's top-left at (originX, originY).
void DrawRect(const ShownFrame& shown, const Rect& rect, int factor, const Target& target,
              int originX, int originY);

// Fills `rect` of the target with one colour.
void Fill(const Target& target, const Rect& rect, std::uint32_t colour);

}  // namespace present
