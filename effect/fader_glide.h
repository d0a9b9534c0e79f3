#pragma once

#include <cmath>

#include "runtime/finite_or_zero.h"

// One frame of the fader's glide, shared by the sample section that runs frame by
// frame and the one that runs over a whole block, so that the two cannot drift apart:
// the gain covers the coefficient's share of the remaining distance to the target.

// Below this magnitude a target counts as silence, and the gain snaps to it once the
// glide comes as close.
constexpr double kFaderSilence = 0.00001;

inline bool NearSilence(double value) { return value > -kFaderSilence && value < kFaderSilence; }

// The step with the sample section's checks: a step that is no number becomes 0, a gain
// near a silent target snaps to it, and a gain that is no number scales by 0.
struct CheckedGlide {
  double target;
  double coefficient;

  double next(double gain) const {
    const double step = FiniteOrZero((target - gain) * coefficient);
    const double moved = gain + step;
    return NearSilence(target) && NearSilence(moved) ? target : moved;
  }
  static double factor(double gain) { return FiniteOrZero(gain); }
};

// The same step where none of those checks can fire.
struct BareGlide {
  double target;
  double coefficient;

  double next(double gain) const { return gain + (target - gain) * coefficient; }
  static double factor(double gain) { return gain; }
};

// Whether a whole block of CheckedGlide steps from `gain` gives the same gains, bit for
// bit, as BareGlide. With target, gain and coefficient in [0, 1] (and no negative zero)
// every step stays between the gain and the target, rounding included, so step and gain
// stay finite and within [0, 1]; the snap needs a target near silence, and changes
// nothing when the gain is at the target already.
inline bool ChecksCannotFire(double gain, double target, double coefficient) {
  const auto unit = [](double value) { return !std::signbit(value) && value <= 1.0; };
  return unit(gain) && unit(target) && unit(coefficient) && (!NearSilence(target) || gain == target);
}
