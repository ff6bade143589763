// The cost of the main loop's idle turn (two vertical blanks, the cursor
// step, the blink check and a poll of the queue) on the virtual display.
#include <benchmark/benchmark.h>

#include "bench/bench_setup.h"
#include "tests/platform_double.h"

namespace {

void BM_IdleMainLoopTurn(benchmark::State& state) {
  constexpr int Turns = 2000;
  EnterBenchDir();
  for (auto _ : state) {
    state.PauseTiming();
    dbl::Reset();
    dbl::AnswerOpen("");
    state.ResumeTiming();
    dbl::Idle(2 * Turns);  // start-up is included, but small beside the turns
    dbl::RunProgram();
  }
  state.SetItemsProcessed(state.iterations() * Turns);
  state.counters["us_per_turn"] = benchmark::Counter(
      static_cast<double>(state.iterations() * Turns),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::OneK::kIs1000);
}
BENCHMARK(BM_IdleMainLoopTurn)->Unit(benchmark::kMillisecond);

}  // namespace
