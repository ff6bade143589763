// Ctrl+H over all 256 areas and F over a whole area of one cell, each as
// the key does it (history step and redraw included), and the flood fill
// alone. The set is put back, untimed, between the timed passes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>

#include "area/area_slots.h"
#include "area/editor_state.h"
#include "area/fill.h"
#include "area/history.h"
#include "area/replace.h"
#include "bench/bench_setup.h"
#include "files/area_set.h"

namespace {

using Clock = std::chrono::steady_clock;

// Every other cell of every area is cell 1: 20,480 uses in 256 areas.
void UseCellOneEverywhere() {
  for (std::size_t area = 0; area < 256; ++area)
    for (std::size_t i = 0; i < AreaCells; ++i) AreaRecord(area)[i] = i % 2 == 0 ? 1 : 3;
  LoadArea();
  StartHistory();
}

void ReplaceEverywhere(std::uint8_t old, std::uint8_t now) {
  AreaEditorState.selectedCell = now;
  ReplaceCell(old, ReplaceScope::AllAreas);
  RecordStep();
}

void BM_ReplaceInAllAreas(benchmark::State& state) {
  WithProgramRunning([&] {
    UseCellOneEverywhere();
    for (auto _ : state) {
      auto start = Clock::now();
      ReplaceEverywhere(1, 2);
      std::chrono::duration<double> taken = Clock::now() - start;
      state.SetIterationTime(taken.count());
      ReplaceEverywhere(2, 1);
    }
  });
}
BENCHMARK(BM_ReplaceInAllAreas)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A whole area of cell 1 becomes cell 2: by the F key, or the flood alone.
void FillWholeArea(benchmark::State& state, bool wholeKey) {
  WithProgramRunning([&] {
    for (auto _ : state) {
      std::memset(EditGrid.cellLayer, 1, AreaCells);
      AreaEditorState.selectedCell = 2;
      AreaEditorState.cursorX = AreaEditorState.cursorY = 0;
      auto start = Clock::now();
      if (wholeKey) {
        FillWithSelectedCell();
        RecordStep();
      } else {
        FloodFill(0);
      }
      std::chrono::duration<double> taken = Clock::now() - start;
      state.SetIterationTime(taken.count());
    }
  });
}

void BM_FloodFillWholeArea(benchmark::State& state) { FillWholeArea(state, false); }
BENCHMARK(BM_FloodFillWholeArea)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_FillKeyWholeArea(benchmark::State& state) { FillWholeArea(state, true); }
BENCHMARK(BM_FillKeyWholeArea)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
