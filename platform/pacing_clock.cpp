#include "platform/pacing_clock.h"

#include <atomic>

namespace {

std::atomic<const PacingClock*> replacement{nullptr};

const PacingClock& CurrentClock() {
  const PacingClock* const clock = replacement.load(std::memory_order_acquire);
  return clock ? *clock : SystemPacingClock();
}

}  // namespace

std::uint32_t PacingMilliseconds() { return CurrentClock().milliseconds(); }

void PacingPause(std::uint32_t milliseconds) { CurrentClock().pause(milliseconds); }

void UsePacingClock(const PacingClock* clock) { replacement.store(clock, std::memory_order_release); }
