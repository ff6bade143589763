// The undo history: undo and redo of a full-area paste as the area editor
// handles the keys (redraw included), the cost a key pays for recording its
// step, and the memory of 100,000 single-cell steps.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>

#include "area/area_slots.h"
#include "area/block.h"
#include "area/editor_state.h"
#include "area/history.h"
#include "area/history_keys.h"
#include "bench/bench_setup.h"
#include "files/area_set.h"
#include "platform/emulated/emulated.h"

namespace {

// A whole area of other cells pasted at (0, 0) and recorded as one step.
void PasteWholeArea() {
  for (std::size_t i = 0; i < AreaCells; ++i) {
    EditGrid.clipboardGrid[i] = static_cast<std::uint8_t>(i + 1);
    EditGrid.clipboardGrid[AreaCells + i] = static_cast<std::uint8_t>(i + 2);
  }
  BlockState.hasCopy = true;
  BlockState.stored = {0, 0, 15, 9};
  AreaEditorState.cursorX = AreaEditorState.cursorY = 0;
  PasteBlock();
  RecordStep();
}

// Undo, then redo, through the Ctrl keys; only one of the two is timed.
void MoveOverPaste(benchmark::State& state, bool timeUndo) {
  WithProgramRunning([&] {
    PasteWholeArea();
    emu::SetHeldModifiers(false, true);
    for (auto _ : state) {
      auto start = std::chrono::steady_clock::now();
      MoveThroughHistoryInAreaEditor('Z');
      auto middle = std::chrono::steady_clock::now();
      MoveThroughHistoryInAreaEditor('Y');
      auto end = std::chrono::steady_clock::now();
      std::chrono::duration<double> taken = timeUndo ? middle - start : end - middle;
      state.SetIterationTime(taken.count());
    }
    emu::SetHeldModifiers(false, false);
  });
}

void BM_UndoFullAreaPaste(benchmark::State& state) { MoveOverPaste(state, true); }
BENCHMARK(BM_UndoFullAreaPaste)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_RedoFullAreaPaste(benchmark::State& state) { MoveOverPaste(state, false); }
BENCHMARK(BM_RedoFullAreaPaste)->UseManualTime()->Unit(benchmark::kMicrosecond);

// What every key pays: the comparison that finds nothing, or one cell's step.
void BM_RecordStepNoChange(benchmark::State& state) { TimeInProgram(state, RecordStep); }
BENCHMARK(BM_RecordStepNoChange)->Unit(benchmark::kMicrosecond);

void BM_RecordStepSingleCell(benchmark::State& state) {
  WithProgramRunning([&] {
    std::uint32_t i = 0;
    for (auto _ : state) {
      EditGrid.cellLayer[i % AreaCells] ^= 1;
      EditGrid.idLayer[i++ % AreaCells] ^= 1;
      RecordStep();
    }
  });
}
BENCHMARK(BM_RecordStepSingleCell)->Unit(benchmark::kMicrosecond);

void BM_HundredThousandSingleCellSteps(benchmark::State& state) {
  WithProgramRunning([&] {
    for (auto _ : state) {
      StartHistory();
      for (std::uint32_t i = 0; i < 100000; ++i) {
        EditGrid.cellLayer[i % AreaCells] ^= 1;
        EditGrid.idLayer[i % AreaCells] ^= 1;
        RecordStep();
      }
    }
    HistoryFigures figures = ReadHistoryFigures();
    state.counters["steps"] = static_cast<double>(figures.steps);
    state.counters["step_MB"] = static_cast<double>(figures.stepBytes) / 1e6;
    state.counters["footprint_MB"] = static_cast<double>(figures.footprint) / 1e6;
  });
}
BENCHMARK(BM_HundredThousandSingleCellSteps)->Unit(benchmark::kMillisecond);

}  // namespace
