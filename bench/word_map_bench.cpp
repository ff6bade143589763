// The Word Map's costs on the virtual display: entering and leaving it (two
// whole-screen copies and both windows), one map scroll redraw, and one idle
// turn of its loop.
#include <benchmark/benchmark.h>

#include "bench/bench_setup.h"
#include "runtime/screen.h"
#include "tests/platform_double.h"
#include "worldmap/word_map.h"
#include "worldmap/word_map_draw.h"

namespace {

// Each visit takes one turn: Esc, which draws the cursor before it leaves.
void BM_EnterAndLeaveWordMap(benchmark::State& state) {
  WithProgramRunning([&] {
    for (auto _ : state) {
      dbl::Key(VK_ESCAPE);
      RunWordMap();
    }
  });
}
BENCHMARK(BM_EnterAndLeaveWordMap)->Unit(benchmark::kMicrosecond);

// What one arrow press at the map's edge redraws: all 256 thumbnails.
void BM_WordMapScrollRedraw(benchmark::State& state) {
  WithProgramRunning([&] {
    ClearScreen();
    for (auto _ : state) DrawMapWindow();
  });
}
BENCHMARK(BM_WordMapScrollRedraw)->Unit(benchmark::kMicrosecond);

// Idle turns: two vertical blanks, the cursor step and the cursor preview.
void BM_IdleWordMapTurn(benchmark::State& state) {
  constexpr int Turns = 1000;
  WithProgramRunning([&] {
    ClearScreen();
    DrawMapWindow();
    DrawAreaPicker();
    for (auto _ : state) {
      dbl::Idle(2 * Turns);
      dbl::Key(VK_ESCAPE);
      WordMapLoop();
    }
    state.SetItemsProcessed(state.iterations() * Turns);
    state.counters["time_per_turn"] =
        benchmark::Counter(static_cast<double>(state.iterations() * Turns),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                           benchmark::Counter::OneK::kIs1000);
  });
}
BENCHMARK(BM_IdleWordMapTurn)->Unit(benchmark::kMillisecond);

}  // namespace
