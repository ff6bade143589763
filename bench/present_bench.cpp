// The desktop's present path on plain buffers: finding what changed, then
// converting and scaling it, for a cursor-sized change, a whole new screen
// and a palette change, at 2x and 3x.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/present/frame_present.h"

namespace {

using present::Height;
using present::Width;

enum Change { Cursor, FullScreen, Palette };

void PresentChange(benchmark::State& state) {
  auto change = static_cast<Change>(state.range(0));
  int factor = static_cast<int>(state.range(1));
  auto shown = std::make_unique<present::ShownFrame>();
  std::vector<std::uint8_t> frame(Width * Height);
  for (int i = 0; i < Width * Height; ++i) frame[i] = static_cast<std::uint8_t>(i * 7 / 640);
  std::vector<std::uint32_t> window(Width * Height * factor * factor);
  present::Target target = {window.data(), Width * factor};
  std::uint32_t colours[256];
  for (int i = 0; i < 256; ++i) colours[i] = 0x010101u * static_cast<std::uint32_t>(i);
  present::Rect rects[present::MaxRects];
  present::FindChanges(frame.data(), Width, colours, *shown, rects);
  std::uint8_t turn = 0;
  for (auto _ : state) {
    ++turn;
    if (change == Cursor) {
      for (int y = 200; y < 232; ++y) std::memset(&frame[Width * y + 96], turn, 32);
    } else if (change == FullScreen) {
      for (auto& pixel : frame) pixel = static_cast<std::uint8_t>(pixel + 1);
    } else {
      colours[turn] ^= 0x00FF00;
    }
    int count = present::FindChanges(frame.data(), Width, colours, *shown, rects);
    for (int i = 0; i < count; ++i) present::DrawRect(*shown, rects[i], factor, target, 0, 0);
    benchmark::DoNotOptimize(window.data());
  }
}

BENCHMARK(PresentChange)
    ->ArgNames({"change", "factor"})
    ->ArgsProduct({{Cursor, FullScreen, Palette}, {2, 3}});

}  // namespace
