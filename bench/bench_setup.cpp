// Start-up for the benchmarks on the platform double.
#include "bench/bench_setup.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "tests/platform_double.h"

void EnterBenchDir() {
  static bool ready;
  if (ready) return;
  dbl::EnterTempDir();
  dbl::WriteTestBank();
  std::atexit([] { testbank::RemoveScratchRoot(); });
  ready = true;
}

void WithProgramRunning(const std::function<void()>& body) {
  EnterBenchDir();
  dbl::Reset();
  dbl::AnswerOpen("");
  dbl::Do(body);
  dbl::RunProgram();
}

void TimeInProgram(benchmark::State& state, void (*step)()) {
  WithProgramRunning([&] {
    for (auto _ : state) step();
  });
}
