#include <chrono>
#include <thread>

#include "platform/pacing_clock.h"

namespace {

std::uint32_t SteadyMilliseconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void Pause(std::uint32_t milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

}  // namespace

const PacingClock& SystemPacingClock() {
  static const PacingClock clock{SteadyMilliseconds, Pause};
  return clock;
}
