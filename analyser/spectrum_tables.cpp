#include "analyser/spectrum_tables.h"

#include <cmath>

#include "analyser/zepkin_spectrum.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}

// Each size's tables follow the smaller ones': sizes 1024, 2048, 4096 and 8192 in turn.
std::int32_t SpectrumTables::Offset(std::int32_t n) { return n - TZepkinSpectrum::kSizes[0]; }

SpectrumTables::SpectrumTables() {
  const std::int32_t largest = TZepkinSpectrum::kLargestSize;
  windows_.resize(static_cast<std::size_t>(Offset(largest) + largest));
  twiddles_.resize(static_cast<std::size_t>(2 * (Offset(largest) + largest)));
  for (const std::int32_t n : TZepkinSpectrum::kSizes) {
    double* const window = windows_.data() + Offset(n);
    for (std::int32_t i = 0; i < n; ++i) window[i] = 0.5 - 0.5 * std::cos(2.0 * kPi * i / n);
    double* const twiddle = twiddles_.data() + 2 * Offset(n);
    for (std::int32_t k = 0; k <= n / 2; ++k) {
      twiddle[2 * k] = std::cos(2.0 * kPi * k / n);
      twiddle[2 * k + 1] = -std::sin(2.0 * kPi * k / n);
    }
  }
}

const SpectrumTables& SharedSpectrumTables() {
  static const SpectrumTables tables;
  return tables;
}
