// Start-up for the benchmarks on the platform double.
#include "bench/bench_setup.h"

#include "tests/platform_double.h"

void WithProgramRunning(const std::function<void()>& body) {
  static bool ready;
  if (!ready) {
    dbl::EnterTempDir();
    dbl::WriteTestBank();
    ready = true;
  }
  dbl::Reset();
  dbl::AnswerOpen("");
  dbl::Do(body);
  dbl::RunProgram();
}
