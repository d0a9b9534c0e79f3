#pragma once

#include <cstdint>
#include <vector>

// The analyser's constant tables, for every size it offers: a Hann window of n values,
// and the twiddles e^(−2πik/n) for k = 0 … n/2 that the split of a real transform from
// a half-size complex one takes. Built once per process and shared by every instance.
class SpectrumTables {
 public:
  SpectrumTables();
  const double* window(std::int32_t n) const { return windows_.data() + Offset(n); }
  const double* twiddles(std::int32_t n) const { return twiddles_.data() + 2 * Offset(n); }

 private:
  static std::int32_t Offset(std::int32_t n);

  std::vector<double> windows_;
  std::vector<double> twiddles_;
};

// Built on first use: from a constructor, never on the audio thread.
const SpectrumTables& SharedSpectrumTables();
