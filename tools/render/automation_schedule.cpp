#include "tools/render/automation_schedule.h"

#include <algorithm>
#include <cmath>
#include <limits>

void AutomationSchedule::add(double seconds, double sampleRate, VstInt32 parameter, float value) {
  // A time far beyond any file still converts to a frame that no block reaches.
  const double frame = std::floor(seconds * sampleRate);
  const auto latest = std::numeric_limits<std::int64_t>::max();
  changes_.push_back({frame < 0x1p62 ? static_cast<std::int64_t>(frame) : latest, parameter, value});
  sorted_ = false;
}

void AutomationSchedule::sort() {
  if (sorted_) return;
  std::stable_sort(changes_.begin() + static_cast<std::ptrdiff_t>(next_), changes_.end(),
                   [](const Change& a, const Change& b) { return a.frame < b.frame; });
  sorted_ = true;
}
