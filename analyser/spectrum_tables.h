#pragma once

#include <cstdint>
#include <vector>

// The analyser's constant tables, for every size it offers: a Hann window of n values,
// the twiddles e^(−2πik/n) for k = 0 … n/2 that the split of a real transform from a
// half-size complex one takes, and where in the half-size transform's own order each of
// its bins lies, so that the split reads them there instead of reordering them first.
// Built once per process and shared by every instance.
class SpectrumTables {
 public:
  SpectrumTables();
  const double* window(std::int32_t n) const { return windows_.data() + Offset(n); }
  const double* twiddles(std::int32_t n) const { return twiddles_.data() + 2 * Offset(n); }
  // For the complex transform of n / 2 values: the element that holds bin k.
  const std::int32_t* binPlaces(std::int32_t n) const { return binPlaces_.data() + Offset(n) / 2; }

 private:
  static std::int32_t Offset(std::int32_t n);

  std::vector<double> windows_;
  std::vector<double> twiddles_;
  std::vector<std::int32_t> binPlaces_;
};

// Built on first use: from a constructor, never on the audio thread.
const SpectrumTables& SharedSpectrumTables();
