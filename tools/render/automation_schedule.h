#pragma once

#include <cstdint>
#include <vector>

#include "host/vst2_interface.h"

// Parameter changes at frame positions, handed out block by block: each change is
// applied at the start of the block that contains its frame.
class AutomationSchedule {
 public:
  struct Change {
    std::int64_t frame;
    VstInt32 parameter;
    float value;
  };

  void add(double seconds, double sampleRate, VstInt32 parameter, float value);

  // Calls apply(parameter, value) for every change not yet applied whose frame lies
  // before blockEnd, in time order (changes at the same frame in the order added).
  template <class Apply>
  void applyBefore(std::int64_t blockEnd, Apply&& apply) {
    sort();
    for (; next_ < changes_.size() && changes_[next_].frame < blockEnd; ++next_) {
      apply(changes_[next_].parameter, changes_[next_].value);
    }
  }

 private:
  void sort();

  std::vector<Change> changes_;
  std::size_t next_ = 0;
  bool sorted_ = true;
};
