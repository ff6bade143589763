// One turn of the block blink: the display layer rewritten, and at a phase
// change the whole editor window redrawn.
#include <benchmark/benchmark.h>

#include "area/block.h"
#include "bench/bench_setup.h"

namespace {

// A 5 x 3 block blinking, the counter set so that this turn does or does not
// wrap it.
void BlinkTurns(benchmark::State& state, std::int32_t counterBefore) {
  WithProgramRunning([&] {
    BlockState.blinking = true;
    BlockState.code = BlockSelecting;
    BlockState.live = {2, 2, 6, 4};
    for (auto _ : state) {
      BlockState.blinkCounter = counterBefore;
      BlinkBlock();
    }
    BlockState = {};
  });
}

void BM_BlinkBlockTurn(benchmark::State& state) { BlinkTurns(state, 0); }
BENCHMARK(BM_BlinkBlockTurn)->Unit(benchmark::kMicrosecond);

void BM_BlinkBlockTurnWithPhaseChange(benchmark::State& state) { BlinkTurns(state, 7); }
BENCHMARK(BM_BlinkBlockTurnWithPhaseChange)->Unit(benchmark::kMicrosecond);

}  // namespace
