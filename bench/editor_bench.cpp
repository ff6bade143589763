// The area editor's whole-window redraws and a full area load.
#include <benchmark/benchmark.h>

#include "area/area_slots.h"
#include "area/block.h"
#include "area/editor_windows.h"
#include "bench/bench_setup.h"

namespace {

void BM_DrawEditorWindow(benchmark::State& state) {
  WithProgramRunning([&] {
    for (auto _ : state) DrawEditorWindow();
  });
}
BENCHMARK(BM_DrawEditorWindow)->Unit(benchmark::kMicrosecond);

void BM_DrawSelectorWindow(benchmark::State& state) {
  WithProgramRunning([&] {
    for (auto _ : state) DrawSelectorWindow();
  });
}
BENCHMARK(BM_DrawSelectorWindow)->Unit(benchmark::kMicrosecond);

void BM_LoadArea(benchmark::State& state) {
  WithProgramRunning([&] {
    for (auto _ : state) LoadArea();
  });
}
BENCHMARK(BM_LoadArea)->Unit(benchmark::kMicrosecond);

}  // namespace
