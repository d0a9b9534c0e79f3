#pragma once

#include <cstdint>

// The time base of the editor's redraw pacing and of its idle work: milliseconds of a
// steady clock, wrapping at 2^32, and a pause. Tests replace it with a clock of their
// own, so that nothing they check waits for real time to pass.
struct PacingClock {
  std::uint32_t (*milliseconds)();
  void (*pause)(std::uint32_t milliseconds);
};

std::uint32_t PacingMilliseconds();
void PacingPause(std::uint32_t milliseconds);
// Replaces the clock (null: the system's again); the clock must outlive its use.
void UsePacingClock(const PacingClock* clock);

// The system's steady clock: the tick count on Windows, the monotonic clock elsewhere.
const PacingClock& SystemPacingClock();
