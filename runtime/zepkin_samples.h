#pragma once

#include <array>

#include "runtime/zepkin_sliders.h"

// The sample channels of the frame being processed: slot c is channel c.
class CZepkinSamples : public CZepkinSliders {
 public:
  static constexpr int kSampleSlotCount = 64;

  // Block section: runs once per process call, before its first frame.
  virtual void DoBlock() {}
  // Sample section: runs once per frame on the channels in `samples`.
  virtual void DoSample() {}

  std::array<double, kSampleSlotCount> samples{};

 protected:
  CZepkinSamples() = default;
  ~CZepkinSamples() = default;
};
