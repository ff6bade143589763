// Shared set-up for the benchmarks: a scratch directory with a cell bank and
// the program started on a new area set, paused inside its first turn.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>

// Moves into a scratch directory with the test cell bank, once per process;
// the directory goes when the process ends.
void EnterBenchDir();

// Runs body inside the program's first PeekMessage, after a full start-up on
// a new area set, then lets the program end.
void WithProgramRunning(const std::function<void()>& body);

// Times one step of the program, repeated inside its first turn.
void TimeInProgram(benchmark::State& state, void (*step)());
