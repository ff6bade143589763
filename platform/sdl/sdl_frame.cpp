// The vertical blank on the desktop: take the waiting input, present the
// frame, then sleep until the next tick of a steady 60 Hz clock, whatever the
// screen's own refresh rate and whether or not the renderer waits for it.
#include <chrono>
#include <cstdint>
#include <thread>

#include "platform/emulated/emulated.h"  // BackendWaitFrame
#include "platform/sdl/sdl_backend.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::int64_t TicksPerSecond = 60;
constexpr std::int64_t NanosecondsPerSecond = 1'000'000'000;

struct TickClock {
  bool started;
  Clock::time_point origin;
  std::int64_t last;  // the tick the previous wait ended on
};

TickClock Ticks;

// Nanoseconds from the origin to tick number `tick`, exact for any run length.
std::int64_t TickTime(std::int64_t tick) {
  return tick / TicksPerSecond * NanosecondsPerSecond +
         tick % TicksPerSecond * NanosecondsPerSecond / TicksPerSecond;
}

// The last tick at or before `elapsed` nanoseconds.
std::int64_t TickAt(std::int64_t elapsed) {
  return elapsed / NanosecondsPerSecond * TicksPerSecond +
         elapsed % NanosecondsPerSecond * TicksPerSecond / NanosecondsPerSecond;
}

}  // namespace

// Each wait ends on the tick after the one the previous wait ended on. When
// the present itself waited for the screen's refresh past that tick (or the
// frame was slow), the time is used up already: no second wait is added,
// which would halve the rate whenever the refresh lands just after a tick.
// A caller more than a tick late starts counting again from the present.
void BackendWaitFrame() {
  desktop::PumpEvents();
  if (!Ticks.started) {
    Ticks.started = true;
    Ticks.origin = Clock::now();
    Ticks.last = 0;
  }
  desktop::PresentFrame();
  std::int64_t target = Ticks.last + 1;
  std::int64_t reached = TickAt(
      std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - Ticks.origin).count());
  if (reached < target)
    std::this_thread::sleep_until(Ticks.origin + std::chrono::nanoseconds(TickTime(target)));
  Ticks.last = reached < target ? target : reached;
}
