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
  FftTransform(kTransformCells, half, kFftToNaturalOrder);

  // X[k] = E[k] + w^k·O[k], with E and O the spectra of the even and odd values:
  // E[k] = (Z[k] + conj Z[half − k]) / 2 and O[k] = −i·(Z[k] − conj Z[half − k]) / 2,
  // Z[half] being Z[0]. Bins k and half − k come from the same two values of Z: their E
  // and O are each other's conjugates. A full-scale sine at a bin's centre has |X| = n / 4
  // under the Hann window.
  const double* __restrict const twiddles = tables.twiddles(n);
  double* const spectrum = MemoryAt(kSpectrumCells);
  double* __restrict const powers = spectrum + kSpectrumHeader;
  const double keep = firstSpectrum ? 0.0 : static_cast<double>(averaging);
  const double take = (1.0 - keep) * 16.0 / (static_cast<double>(n) * n);
  const auto average = [&](std::int32_t k, double xr, double xi) {
    powers[k] = keep * powers[k] + take * (xr * xr + xi * xi);
  };
  const auto pair = [&](std::int32_t k, bool both) {
    const std::int32_t m = half - k;
    const double ar = cells[2 * k], ai = cells[2 * k + 1], br = cells[2 * m], bi = cells[2 * m + 1];
    const double er = 0.5 * (ar + br), ei = 0.5 * (ai - bi);
    const double odr = 0.5 * (ai + bi), odi = -0.5 * (ar - br);
    const double wkr = twiddles[2 * k], wki = twiddles[2 * k + 1];
    average(k, er + wkr * odr - wki * odi, ei + wkr * odi + wki * odr);
    if (!both) return;
    const double wmr = twiddles[2 * m], wmi = twiddles[2 * m + 1];
    average(m, er + wmr * odr + wmi * odi, ei + wmr * odi - wmi * odr);
  };
  average(0, cells[0] + cells[1], 0.0);
  average(half, cells[0] - cells[1], 0.0);
  for (std::int32_t k = 1; k < half / 2; ++k) pair(k, true);
  pair(half / 2, false);
  firstSpectrum = false;
  spectrum[0] = sampleRate;
  spectrum[1] = n;
  HandoffPublish(kSpectrumCells, kSpectrumHeader + half + 1);
}
