#include "analyser/spectrum_tables.h"

#include <cmath>

#include "analyser/zepkin_spectrum.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// The transform's own order: element i of a forward transform of n values holds
// X[(n − perm(i, n)) mod n].
std::int32_t Perm(std::int32_t i, std::int32_t n) {
  if (n < 3) return i;
  if (i < n / 2) return 2 * Perm(i, n / 2);
  if (i < 3 * n / 4) return 4 * Perm(i - n / 2, n / 4) + 1;
  return (4 * Perm(i - 3 * n / 4, n / 4) - 1 + n) % n;
}

}  // namespace

// Each size's tables follow the smaller ones': sizes 1024, 2048, 4096 and 8192 in turn.
std::int32_t SpectrumTables::Offset(std::int32_t n) { return n - TZepkinSpectrum::kSizes[0]; }

SpectrumTables::SpectrumTables() {
  const std::int32_t largest = TZepkinSpectrum::kLargestSize;
  windows_.resize(static_cast<std::size_t>(Offset(largest) + largest));
  twiddles_.resize(static_cast<std::size_t>(2 * (Offset(largest) + largest)));
  binPlaces_.resize(static_cast<std::size_t>((Offset(largest) + largest) / 2));
  for (const std::int32_t n : TZepkinSpectrum::kSizes) {
    double* const window = windows_.data() + Offset(n);
    for (std::int32_t i = 0; i < n; ++i) window[i] = 0.5 - 0.5 * std::cos(2.0 * kPi * i / n);
    std::int32_t* const places = binPlaces_.data() + Offset(n) / 2;
    const std::int32_t half = n / 2;
    for (std::int32_t i = 0; i < half; ++i) places[(half - Perm(i, half)) % half] = i;
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
