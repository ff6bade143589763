// The area editor's whole-window redraws and a full area load.
#include <benchmark/benchmark.h>

#include "area/area_slots.h"
#include "area/block.h"
#include "area/editor_windows.h"
#include "bench/bench_setup.h"

namespace {

void BM_DrawEditorWindow(benchmark::State& state) { TimeInProgram(state, DrawEditorWindow); }
BENCHMARK(BM_DrawEditorWindow)->Unit(benchmark::kMicrosecond);

void BM_DrawSelectorWindow(benchmark::State& state) { TimeInProgram(state, DrawSelectorWindow); }
BENCHMARK(BM_DrawSelectorWindow)->Unit(benchmark::kMicrosecond);

void BM_LoadArea(benchmark::State& state) { TimeInProgram(state, LoadArea); }
BENCHMARK(BM_LoadArea)->Unit(benchmark::kMicrosecond);

}  // namespace
