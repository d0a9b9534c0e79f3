#include <windows.h>

#include "platform/pacing_clock.h"

namespace {
std::uint32_t TickCount() { return GetTickCount(); }
void Pause(std::uint32_t milliseconds) { Sleep(milliseconds); }
}  // namespace

const PacingClock& SystemPacingClock() {
  static const PacingClock clock{TickCount, Pause};
  return clock;
}
