#include "runtime/mdct.h"

#include <cmath>

// With m = n/2 and q = n/4, the MDCT of n values is the type-IV cosine transform of m
// values folded from them (the time-domain aliasing), and its inverse is the unfolded
// cosine transform of the coefficients. The cosine transform C of v is computed as
//   C[k] − i·C[m − 1 − k] = e^(−iπ(2k + 1)/(2n)) · Y[k],  k < q,
// where Y[k] = Σ_{j<m} y[j]·e^(−2πi·j(k + 1/2)/m) is the odd-frequency transform of the
// reordered values y[j] = v[2j], y[m − 1 − j] = −v[2j + 1] (j < q). Y comes from the
// q-point complex transform of z[t] = (y[2t] + i·y[2t + 1])·e^(−2πi·t/m), whose bins
// t and q − 1 − t together give the spectra of the even and of the odd samples of y.

namespace {

constexpr double kPi = 3.14159265358979323846264338328;

// Forward folding with window: v[j] = −x[3q − 1 − j]·w − x[3q + j]·w for j < q, and
// v[q + j] = x[j]·w − x[m − 1 − j]·w, each x[i] weighted by its window value; the
// results are stored reordered into y.
void FoldWindowed(const double* window, const double* x, std::int32_t n, double* y) {
  const std::int32_t m = n / 2, q = n / 4;
  auto folded = [&](std::int32_t j) {
    if (j < q) return -x[3 * q - 1 - j] * window[q + j] - x[3 * q + j] * window[q - 1 - j];
    const std::int32_t i = j - q;
    return x[i] * window[i] - x[m - 1 - i] * window[m - 1 - i];
  };
  for (std::int32_t j = 0; j < q; ++j) {
    y[j] = folded(2 * j);
    y[m - 1 - j] = -folded(2 * j + 1);
  }
}

// The inverse transform starts from the coefficients themselves.
void Reorder(const double* coefficients, std::int32_t n, double* y) {
  const std::int32_t m = n / 2, q = n / 4;
  for (std::int32_t j = 0; j < q; ++j) {
    y[j] = coefficients[2 * j];
    y[m - 1 - j] = -coefficients[2 * j + 1];
  }
}

// Radix-2 decimation in frequency over q complex values: pairs (y[2t], y[2t + 1]) are
// first turned by e^(−2πi·t/m), then transformed; bin t ends at the bit-reversed position.
void OddFrequencyTransform(const double* trig, std::int32_t n, double* z) {
  const std::int32_t q = n / 4;
  for (std::int32_t t = 0; t < q; ++t) {
    const double c = trig[2 * t], s = trig[2 * t + 1], re = z[2 * t], im = z[2 * t + 1];
    z[2 * t] = re * c - im * s;
    z[2 * t + 1] = re * s + im * c;
  }
  for (std::int32_t span = q, stride = 2; span > 1; span /= 2, stride *= 2) {
    const std::int32_t half = span / 2;
    for (std::int32_t block = 0; block < q; block += span) {
      double* const low = z + 2 * block;
      double* const high = low + 2 * half;
      for (std::int32_t j = 0; j < half; ++j) {
        const double c = trig[2 * j * stride], s = trig[2 * j * stride + 1];
        const double ar = low[2 * j], ai = low[2 * j + 1], br = high[2 * j], bi = high[2 * j + 1];
        const double dr = ar - br, di = ai - bi;
        low[2 * j] = ar + br;
        low[2 * j + 1] = ai + bi;
        high[2 * j] = dr * c - di * s;
        high[2 * j + 1] = dr * s + di * c;
      }
    }
  }
}

// From the bins P = Z[t] and S = Z[q − 1 − t] (t < q/2) of the packed transform:
// with E = P + conj(S), D = P − conj(S) and F = half of e^(−2πi(t + 1/2)/m)·D,
// Y[t] = E/2 − i·F and Y[q − 1 − t] = conj(E/2 + i·F).
void SeparateOddFrequencies(const MdctLookup& lookup, const double* z, double* spectrum) {
  const std::int32_t n = lookup.size, q = n / 4;
  const double* const separation = lookup.trig.data() + n;
  const std::int32_t* const positions = lookup.bitReverse.data();
  for (std::int32_t t = 0; t < q / 2; ++t) {
    const double* const p = z + positions[2 * t + 1];
    const double* const s = z + positions[2 * t];
    const double er = 0.5 * (p[0] + s[0]), ei = 0.5 * (p[1] - s[1]);
    const double dr = p[0] - s[0], di = p[1] + s[1];
    const double cr = separation[2 * t], ci = separation[2 * t + 1];
    const double fr = cr * dr - ci * di, fi = cr * di + ci * dr;
    spectrum[2 * t] = er + fi;
    spectrum[2 * t + 1] = ei - fr;
    spectrum[2 * (q - 1 - t)] = er - fi;
    spectrum[2 * (q - 1 - t) + 1] = -(ei + fr);
  }
}

// The type-IV cosine transform of the m values already reordered into y (which it
// overwrites); calls result(k, C[k], C[m − 1 − k]) for k < q.
template <typename Result>
void CosineTransform(const MdctLookup& lookup, double* y, double* spectrum, Result result) {
  const std::int32_t n = lookup.size, q = n / 4;
  OddFrequencyTransform(lookup.trig.data(), n, y);
  SeparateOddFrequencies(lookup, y, spectrum);
  const double* const rotation = lookup.trig.data() + n / 2;
  for (std::int32_t k = 0; k < q; ++k) {
    const double c = rotation[2 * k], s = rotation[2 * k + 1];
    const double yr = spectrum[2 * k], yi = spectrum[2 * k + 1];
    result(k, yr * c + yi * s, yr * s - yi * c);
  }
}

// cos(π/(2n)·(2j + 1 + n/2)·(2k + 1)), with the angle reduced exactly to one period.
double Kernel(std::int32_t n, std::int32_t j, std::int32_t k) {
  const std::int32_t steps = ((2 * j + 1 + n / 2) * (2 * k + 1)) % (4 * n);
  return std::cos(kPi * steps / (2 * n));
}

double WindowAt(const MdctLookup& lookup, std::int32_t j) {
  const std::int32_t n = lookup.size;
  return lookup.window[j < n / 2 ? j : n - 1 - j];
}

// Size 32 has no fast tables and is evaluated from the definition.
void DirectForward(const MdctLookup& lookup, double* cells, double* work) {
  const std::int32_t n = lookup.size;
  for (std::int32_t j = 0; j < n; ++j) work[j] = cells[j] * WindowAt(lookup, j);
  for (std::int32_t k = 0; k < n / 2; ++k) {
    double sum = 0.0;
    for (std::int32_t j = 0; j < n; ++j) sum += work[j] * Kernel(n, j, k);
    cells[k] = sum;
  }
}

void DirectInverse(const MdctLookup& lookup, double* cells, double* work) {
  const std::int32_t n = lookup.size;
  for (std::int32_t k = 0; k < n / 2; ++k) work[k] = cells[k];
  for (std::int32_t j = 0; j < n; ++j) {
    double sum = 0.0;
    for (std::int32_t k = 0; k < n / 2; ++k) sum += work[k] * Kernel(n, j, k);
    cells[j] = lookup.scale * sum * WindowAt(lookup, j);
  }
}

}  // namespace

void MdctForward(const MdctLookup& lookup, double* cells, double* work) {
  if (lookup.trig.empty()) {
    DirectForward(lookup, cells, work);
    return;
  }
  const std::int32_t n = lookup.size, m = n / 2;
  const double scale = lookup.scale;
  double* const y = work;
  FoldWindowed(lookup.window.data(), cells, n, y);
  CosineTransform(lookup, y, work + m, [cells, m, scale](std::int32_t k, double low, double high) {
    cells[k] = low * scale;
    cells[m - 1 - k] = high * scale;
  });
}

// Unfolding: x[j] = v[q + j], x[m − 1 − j] = −v[q + j], x[3q − 1 − j] = x[3q + j] = −v[j]
// for j < q, each then weighted by its window value.
void MdctInverse(const MdctLookup& lookup, double* cells, double* work) {
  if (lookup.trig.empty()) {
    DirectInverse(lookup, cells, work);
    return;
  }
  const std::int32_t n = lookup.size, m = n / 2, q = n / 4;
  const double* const w = lookup.window.data();
  double* const y = work;
  Reorder(cells, n, y);
  CosineTransform(lookup, y, work + m, [cells, w, q](std::int32_t k, double low, double high) {
    cells[3 * q - 1 - k] = -low * w[q + k];
    cells[3 * q + k] = -low * w[q - 1 - k];
    cells[q - 1 - k] = high * w[q - 1 - k];
    cells[q + k] = -high * w[q + k];
  });
}
