#pragma once

#include <cstdint>

// The two channels of one host block, as a block loop that knows the script's class
// hands them to a script that runs its sample section over a whole block. Inputs and
// outputs may be the same memory: each frame reads both inputs before it writes.
template <class Sample>
struct StereoFrames {
  const Sample* left;
  const Sample* right;
  Sample* outLeft;
  Sample* outRight;
  std::int32_t count;  // no frames when 0 or less
};
