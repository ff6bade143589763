// Finding the changed spans of the 8-bit frame, and converting and scaling
// them into a 32-bit window, one output row at a time.
#include "platform/present/frame_present.h"

#include <algorithm>
#include <cstring>

namespace present {

namespace {

// Whether `count` bytes (a multiple of 8) are the same. memcmp is the fastest
// natively; WebAssembly's goes four bytes at a time with a branch each, where
// eight at a time without branches takes half as long over a whole frame.
bool SameBytes(const std::uint8_t* a, const std::uint8_t* b, std::size_t count) {
#ifdef __wasm__
  std::uint64_t difference = 0;
  for (std::size_t i = 0; i < count; i += 8) {
    std::uint64_t left, right;
    std::memcpy(&left, a + i, 8);
    std::memcpy(&right, b + i, 8);
    difference |= left ^ right;
  }
  return difference == 0;
#else
  return std::memcmp(a, b, count) == 0;
#endif
}

static_assert(Width % 8 == 0 && SpanWidth % 8 == 0, "rows and spans are compared in words");

}  // namespace

Layout LayOut(int outputWidth, int outputHeight) {
  Layout layout{};
  int factor = std::min(outputWidth / Width, outputHeight / Height);
  layout.factor = std::max(factor, 0);
  Rect& picture = layout.picture;
  if (factor < 1) {
    if (outputWidth * Height <= outputHeight * Width) {
      picture.w = outputWidth;
      picture.h = outputWidth * Height / Width;
    } else {
      picture.w = outputHeight * Width / Height;
      picture.h = outputHeight;
    }
    picture.x = (outputWidth - picture.w) / 2;
    picture.y = (outputHeight - picture.h) / 2;
    return layout;
  }
  picture.w = Width * factor;
  picture.h = Height * factor;
  picture.x = (outputWidth - picture.w) / 2;
  int spare = outputHeight - picture.h;
  layout.textScale = std::min(factor, spare / StatusLineHeight);
  int bandHeight = layout.textScale * StatusLineHeight;
  picture.y = (spare - bandHeight) / 2;
  if (bandHeight > 0) layout.band = {0, picture.y + picture.h, outputWidth, bandHeight};
  return layout;
}

bool PicturePixel(const Layout& layout, int outX, int outY, int& x, int& y) {
  const Rect& picture = layout.picture;
  if (picture.w <= 0 || picture.h <= 0) return false;
  int dx = outX - picture.x, dy = outY - picture.y;
  // Output pixel d of a picture w wide shows picture pixel d * Width / w,
  // whole scale or shrunk alike.
  x = std::clamp(static_cast<int>(static_cast<long long>(std::max(dx, 0)) * Width / picture.w), 0,
                 Width - 1);
  y = std::clamp(static_cast<int>(static_cast<long long>(std::max(dy, 0)) * Height / picture.h), 0,
                 Height - 1);
  return dx >= 0 && dy >= 0 && dx < picture.w && dy < picture.h;
}

int FindChanges(const std::uint8_t* frame, int pitch, const std::uint32_t* colours,
                ShownFrame& shown, Rect* rects) {
  if (!shown.valid || std::memcmp(colours, shown.colours, sizeof shown.colours) != 0) {
    for (int y = 0; y < Height; ++y)
      std::memcpy(shown.indices + y * Width, frame + y * pitch, Width);
    std::memcpy(shown.colours, colours, sizeof shown.colours);
    shown.valid = true;
    rects[0] = {0, 0, Width, Height};
    return 1;
  }
  // Each span column keeps the first row of its current run of changed rows;
  // a run ends at a row where that span is unchanged, and becomes a rect,
  // joined to the rect of its left neighbour when both cover the same rows.
  int runStart[Spans];
  std::fill(runStart, runStart + Spans, -1);
  int count = 0;
  bool overflow = false;
  Rect bounds = {Width, Height, 0, 0};  // as x0, y0, x1, y1 until the end
  auto endRun = [&](int span, int endRow) {
    Rect rect = {span * SpanWidth, runStart[span], SpanWidth, endRow - runStart[span]};
    runStart[span] = -1;
    bounds = {std::min(bounds.x, rect.x), std::min(bounds.y, rect.y),
              std::max(bounds.w, rect.x + rect.w), std::max(bounds.h, endRow)};
    if (count > 0) {
      Rect& last = rects[count - 1];
      if (last.y == rect.y && last.h == rect.h && last.x + last.w == rect.x) {
        last.w += rect.w;
        return;
      }
    }
    if (count == MaxRects) overflow = true;
    if (!overflow) rects[count++] = rect;
  };
  for (int y = 0; y <= Height; ++y) {
    const std::uint8_t* row = frame + y * pitch;
    std::uint8_t* shownRow = shown.indices + y * Width;
    bool rowSame = y < Height && SameBytes(row, shownRow, Width);
    for (int span = 0; span < Spans; ++span) {
      int offset = span * SpanWidth;
      bool changed =
          y < Height && !rowSame && !SameBytes(row + offset, shownRow + offset, SpanWidth);
      if (changed) {
        std::memcpy(shownRow + offset, row + offset, SpanWidth);
        if (runStart[span] < 0) runStart[span] = y;
      } else if (runStart[span] >= 0) {
        endRun(span, y);
      }
    }
  }
  if (!overflow) return count;
  rects[0] = {bounds.x, bounds.y, bounds.w - bounds.x, bounds.h - bounds.y};
  return 1;
}

void DrawRect(const ShownFrame& shown, const Rect& rect, int factor, const Target& target,
              int originX, int originY) {
  std::size_t rowBytes = static_cast<std::size_t>(rect.w) * factor * sizeof(std::uint32_t);
  for (int y = rect.y; y < rect.y + rect.h; ++y) {
    const std::uint8_t* in = shown.indices + y * Width + rect.x;
    std::uint32_t* out = target.pixels +
                         static_cast<std::ptrdiff_t>(originY + y * factor) * target.pitch +
                         originX + rect.x * factor;
    std::uint32_t* start = out;
    for (int x = 0; x < rect.w; ++x) {
      std::uint32_t colour = shown.colours[in[x]];
      for (int k = 0; k < factor; ++k) *out++ = colour;
    }
    for (int k = 1; k < factor; ++k) std::memcpy(start + k * target.pitch, start, rowBytes);
  }
}

void Fill(const Target& target, const Rect& rect, std::uint32_t colour) {
  for (int y = rect.y; y < rect.y + rect.h; ++y)
    std::fill_n(target.pixels + static_cast<std::ptrdiff_t>(y) * target.pitch + rect.x, rect.w,
                colour);
}

}  // namespace present
