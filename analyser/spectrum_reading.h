#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "analyser/zepkin_spectrum.h"

// How the analyser reads the spectrum it was handed: on a logarithmic frequency axis
// from 20 Hz to the lesser of 20 kHz and half the sample rate, 0 dB at the top and the
// floor at the bottom. A bin's level is the power within its Hann main lobe (the bin and
// its two neighbours, over the window's noise bandwidth of 1.5 bins): a sine reads its
// own level wherever it falls between bins, where a single bin would read up to 1.4 dB
// less (0.6 dB for 1 kHz at 48 kHz, a third of a bin off).

constexpr double kLowestFrequency = 20.0;
constexpr double kHighestFrequency = 20000.0;
constexpr double kMainLobeBins = 1.5;

inline double TopFrequency(double sampleRate) { return std::min(kHighestFrequency, sampleRate / 2.0); }

// Where frequencies and levels lie in a view of that size.
struct SpectrumScale {
  double width, height, topFrequency, floor;

  double x(double frequency) const {
    return width * std::log(frequency / kLowestFrequency) / std::log(topFrequency / kLowestFrequency);
  }
  double frequency(double x) const { return kLowestFrequency * std::pow(topFrequency / kLowestFrequency, x / width); }
  double y(double level) const { return std::clamp(level / floor, 0.0, 1.0) * (height - 1.0); }
};

// The spectrum handed over: the sample rate, the size, the bins' averaged powers.
struct SpectrumReading {
  const TZepkin& script;  // the drawing thread's frame of its handoff

  double rate() const { return script.HandoffValue(0); }
  std::int32_t size() const { return static_cast<std::int32_t>(script.HandoffValue(1)); }
  std::int32_t bins() const { return script.HandoffCount() - TZepkinSpectrum::kSpectrumHeader; }
  double power(std::int32_t k) const {
    return k >= 0 && k < bins() ? script.HandoffValue(TZepkinSpectrum::kSpectrumHeader + k) : 0.0;
  }
  // dB relative to a full-scale sine, never below the floor.
  double level(std::int32_t k, double floor) const {
    const double lobe = (power(k - 1) + power(k) + power(k + 1)) / kMainLobeBins;
    return lobe > 0.0 ? std::max(10.0 * std::log10(lobe), floor) : floor;
  }
  // The loudest bin between the column's two edges, or the nearest one when no bin lies
  // between them.
  double columnLevel(const SpectrumScale& scale, double column) const {
    if (bins() <= 0 || size() <= 0) return scale.floor;
    const double spacing = rate() / size();
    const double low = scale.frequency(column), high = scale.frequency(column + 1.0);
    auto first = static_cast<std::int32_t>(std::ceil(low / spacing));
    auto last = static_cast<std::int32_t>(std::ceil(high / spacing)) - 1;
    if (first > last) first = last = static_cast<std::int32_t>(std::lround(std::sqrt(low * high) / spacing));
    double loudest = scale.floor;
    for (std::int32_t k = std::max(first, 0); k <= std::min(last, bins() - 1); ++k) {
      loudest = std::max(loudest, level(k, scale.floor));
    }
    return loudest;
  }
};
