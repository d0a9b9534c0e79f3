#include <algorithm>

#include "analyser/spectrum_tables.h"
#include "analyser/zepkin_spectrum.h"

// The audio thread's part: the mid signal into the ring, and every quarter of the size
// an analysis of the ring's last `size` values. A real transform of n values is made
// from the complex one of n / 2: the even values as real parts and the odd ones as
// imaginary parts, the two interleaved spectra then split apart.

void TZepkinSpectrum::Restart(std::int32_t newSize) {
  size = newSize;
  ringPosition = 0;
  sinceAnalysis = 0;
  filled = 0;
  firstSpectrum = true;
  std::fill(MemoryAt(kRingCells), MemoryAt(kRingCells) + 2 * kLargestSize, 0.0);
}

void TZepkinSpectrum::DoBlock() {
  const auto wanted = static_cast<std::int32_t>(static_cast<double>(requestedSize));
  if (wanted != size) Restart(wanted);
}

// Each value goes into the ring twice, a size apart, so that the last `size` values
// always stand in a row from the oldest on.
void TZepkinSpectrum::TakeMid(double* ring, double mid) {
  if (size == 0) return;  // no block has started the analysis yet
  ring[ringPosition] = ring[ringPosition + size] = mid;
  ringPosition = (ringPosition + 1) & (size - 1);
  if (++sinceAnalysis == size / 4) AnalyseAtHop();
}

void TZepkinSpectrum::AnalyseAtHop() {
  sinceAnalysis = 0;
  // The first analysis of a size waits for a whole ring of its own values.
  if (filled < size) filled += size / 4;
  if (filled >= size && frozen == 0.0) Analyse();
}

void TZepkinSpectrum::DoSample() { TakeMid(MemoryAt(kRingCells), 0.5 * (samples[0] + samples[1])); }

// The frames up to each analysis in one tight run. The block section has set the size.
template <class Sample>
void TZepkinSpectrum::RunSampleSection(const StereoFrames<Sample>& frames) {
  if (frames.count <= 0) return;
  double* const ring = MemoryAt(kRingCells);
  const std::int32_t hop = size / 4, mask = size - 1;
  for (std::int32_t j = 0; j < frames.count;) {
    const std::int32_t run = std::min(frames.count - j, hop - sinceAnalysis);
    std::int32_t position = ringPosition;
    for (const std::int32_t end = j + run; j < end; ++j) {
      const double left = frames.left[j], right = frames.right[j];
      frames.outLeft[j] = static_cast<Sample>(left);
      frames.outRight[j] = static_cast<Sample>(right);
      ring[position] = ring[position + size] = 0.5 * (left + right);
      position = (position + 1) & mask;
    }
    ringPosition = position;
    sinceAnalysis += run;
    if (sinceAnalysis == hop) AnalyseAtHop();
  }
  samples[0] = frames.left[frames.count - 1];
  samples[1] = frames.right[frames.count - 1];
}

void TZepkinSpectrum::SampleStereoFrames(const StereoFrames<float>& frames) { RunSampleSection(frames); }

void TZepkinSpectrum::SampleStereoFrames(const StereoFrames<double>& frames) { RunSampleSection(frames); }

void TZepkinSpectrum::Analyse() {
  const std::int32_t n = size, half = n / 2;
  const double* __restrict const oldest = MemoryAt(kRingCells) + ringPosition;
  const SpectrumTables& tables = SharedSpectrumTables();
  const double* __restrict const window = tables.window(n);
  double* __restrict const cells = MemoryAt(kTransformCells);
  for (std::int32_t i = 0; i < n; ++i) cells[i] = oldest[i] * window[i];
  FftTransform(kTransformCells, half, kFftForward);

  // The bins Z[k] are read where the transform leaves them (binPlaces).
  // X[k] = E[k] + w^k·O[k], with E and O the spectra of the even and odd values:
  // 2E[k] = Z[k] + conj Z[half − k] and 2O[k] = −i·(Z[k] − conj Z[half − k]), Z[half]
  // being Z[0]. Bin m = half − k has w^m = −conj w^k and E, O conjugated, so with
  // P = w^k·O: |X[k]| = |E + P| and |X[m]| = |E − P|.
  // A full-scale sine at a bin's centre has |X| = n / 4 under the Hann window; the
  // doubled E and O make it n / 2 here. The doubled powers |2X|² go to `fresh`.
  const double* __restrict const twiddles = tables.twiddles(n);
  const std::int32_t* __restrict const places = tables.binPlaces(n);
  double* __restrict const fresh = MemoryAt(kFreshPowerCells);
  const auto pairOfBins = [&](std::int32_t k) {
    const std::int32_t m = half - k;
    const double* const a = cells + 2 * places[k];
    const double* const b = cells + 2 * places[m];
    const double er = a[0] + b[0], ei = a[1] - b[1], odr = a[1] + b[1], odi = b[0] - a[0];
    const double wr = twiddles[2 * k], wi = twiddles[2 * k + 1];
    const double pr = wr * odr - wi * odi, pi = wr * odi + wi * odr;
    fresh[k] = (er + pr) * (er + pr) + (ei + pi) * (ei + pi);
    fresh[m] = (er - pr) * (er - pr) + (ei - pi) * (ei - pi);
  };
  const double dc = cells[0] + cells[1], nyquist = cells[0] - cells[1];
  fresh[0] = 4.0 * dc * dc;
  fresh[half] = 4.0 * nyquist * nyquist;
  for (std::int32_t k = 1; k <= half / 2; ++k) pairOfBins(k);  // bin half / 2 pairs with itself

  // The new powers join the averages, relative to a full-scale sine's.
  double* const spectrum = MemoryAt(kSpectrumCells);
  double* __restrict const powers = spectrum + kSpectrumHeader;
  const double keep = firstSpectrum ? 0.0 : static_cast<double>(averaging);
  const double take = (1.0 - keep) * 4.0 / (static_cast<double>(n) * n);
  for (std::int32_t k = 0; k <= half; ++k) powers[k] = keep * powers[k] + take * fresh[k];
  firstSpectrum = false;
  spectrum[0] = sampleRate;
  spectrum[1] = n;
  HandoffPublish(kSpectrumCells, kSpectrumHeader + half + 1);
}
