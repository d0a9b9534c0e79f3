#include "runtime/mdct.h"

#include <cmath>

#include "runtime/fft.h"
#include "runtime/spectral_tables.h"

// With m = n/2 and q = n/4, the MDCT of n values is the type-IV cosine transform of m
// values folded from them (the time-domain aliasing), and its inverse is the unfolded
// cosine transform of the coefficients. The cosine transform C of v is computed as
//   C[k] − i·C[m − 1 − k] = e^(−iπ(2k + 1)/(2n)) · Y[k],  k < q,
// where Y[k] = Σ_{j<m} y[j]·e^(−2πi·j(k + 1/2)/m) is the odd-frequency transform of the
// reordered values y[j] = v[2j], y[m − 1 − j] = −v[2j + 1] (j < q). Y comes from the
// q-point complex transform of z[t] = (y[2t] + i·y[2t + 1])·e^(−2πi·t/m), whose bins
// t and q − 1 − t together give the spectra of the even and of the odd samples of y.
// That transform is the script's own complex transform (fft.h), whose kernels need q
// of at least 16: size 32 has no fast tables.

namespace {

constexpr double kPi = 3.14159265358979323846264338328;

struct ValuePair {
  double re;
  double im;
};

// z[t] = (y[2t] + i·y[2t + 1])·e^(−2πi·t/m) for t from `from` to `to` − 1, with the
// pair (y[2t], y[2t + 1]) from pairAt(t). Of the reordered values, y[2t] = v[4t] and
// y[2t + 1] = v[4t + 2] for t < q/2, and y[2t] = −v[n − 4t − 1] and
// y[2t + 1] = −v[n − 4t − 3] above; each range of t below reads v from one formula.
template <typename PairAt>
void PackRotated(const double* trig, std::int32_t from, std::int32_t to, double* z, PairAt pairAt) {
  for (std::int32_t t = from; t < to; ++t) {
    const ValuePair pair = pairAt(t);
    const double c = trig[2 * t], s = trig[2 * t + 1];
    z[2 * t] = pair.re * c - pair.im * s;
    z[2 * t + 1] = pair.re * s + pair.im * c;
  }
}

// The forward transform's v folds the windowed values: v[j] = −x[3q − 1 − j]·w − x[3q + j]·w
// for j < q, and v[q + i] = x[i]·w − x[m − 1 − i]·w, each x weighted by its window value.
void FoldWindowedInto(const double* window, const double* x, std::int32_t n, const double* trig, double* z) {
  const std::int32_t m = n / 2, q = n / 4;
  auto minusLow = [=](std::int32_t j) {  // −v[j], j < q
    return x[3 * q - 1 - j] * window[q + j] + x[3 * q + j] * window[q - 1 - j];
  };
  auto high = [=](std::int32_t i) { return x[i] * window[i] - x[m - 1 - i] * window[m - 1 - i]; };  // v[q + i]
  PackRotated(trig, 0, q / 4, z, [=](std::int32_t t) { return ValuePair{-minusLow(4 * t), -minusLow(4 * t + 2)}; });
  PackRotated(trig, q / 4, q / 2, z,
              [=](std::int32_t t) { return ValuePair{high(4 * t - q), high(4 * t + 2 - q)}; });
  PackRotated(trig, q / 2, 3 * q / 4, z,
              [=](std::int32_t t) { return ValuePair{-high(3 * q - 4 * t - 1), -high(3 * q - 4 * t - 3)}; });
  PackRotated(trig, 3 * q / 4, q, z,
              [=](std::int32_t t) { return ValuePair{minusLow(n - 4 * t - 1), minusLow(n - 4 * t - 3)}; });
}

// The inverse transform's v is the coefficients themselves.
void ReorderInto(const double* coefficients, std::int32_t n, const double* trig, double* z) {
  const std::int32_t q = n / 4;
  PackRotated(trig, 0, q / 2, z,
              [=](std::int32_t t) { return ValuePair{coefficients[4 * t], coefficients[4 * t + 2]}; });
  PackRotated(trig, q / 2, q, z,
              [=](std::int32_t t) { return ValuePair{-coefficients[n - 4 * t - 1], -coefficients[n - 4 * t - 3]}; });
}

// The type-IV cosine transform of the m values packed and rotated into z (which it
// overwrites); calls result(k, C[k], C[m − 1 − k]) for k < q. The q-point transform
// is the complex transform of the kernel set in use, which leaves bin t at element
// T_q[t] of its own order. From its bins P = Z[t] and S = Z[q − 1 − t] (t < q/2), with
// E = P + conj(S), D = P − conj(S) and F = half of e^(−2πi(t + 1/2)/m)·D, the odd
// frequencies are Y[t] = E/2 − i·F and Y[q − 1 − t] = conj(E/2 + i·F), and each Y[k]
// turned by e^(−iπ(2k + 1)/(2n)) gives C[k] − i·C[m − 1 − k].
template <typename Result>
void CosineTransform(const MdctLookup& lookup, double* z, Result result) {
  const std::int32_t n = lookup.size, q = n / 4;
  FftForward(z, q);
  const std::int32_t* const bins = SharedSpectralTables().Permutation(q).data();
  const double* const rotation = lookup.trig.data() + n / 2;
  const double* const separation = lookup.trig.data() + n;
  auto rotated = [rotation, result](std::int32_t k, double yr, double yi) {
    const double c = rotation[2 * k], s = rotation[2 * k + 1];
    result(k, yr * c + yi * s, yr * s - yi * c);
  };
  for (std::int32_t t = 0; t < q / 2; ++t) {
    const double* const p = z + 2 * bins[t];
    const double* const s = z + 2 * bins[q - 1 - t];
    const double er = 0.5 * (p[0] + s[0]), ei = 0.5 * (p[1] - s[1]);
    const double dr = p[0] - s[0], di = p[1] + s[1];
    const double cr = separation[2 * t], ci = separation[2 * t + 1];
    const double fr = cr * dr - ci * di, fi = cr * di + ci * dr;
    rotated(t, er + fi, ei - fr);
    rotated(q - 1 - t, er - fi, -(ei + fr));
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
  FoldWindowedInto(lookup.window.data(), cells, n, lookup.trig.data(), work);
  CosineTransform(lookup, work, [cells, m, scale](std::int32_t k, double low, double high) {
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
  const std::int32_t n = lookup.size, q = n / 4;
  const double* const w = lookup.window.data();
  ReorderInto(cells, n, lookup.trig.data(), work);
  CosineTransform(lookup, work, [cells, w, q](std::int32_t k, double low, double high) {
    cells[3 * q - 1 - k] = -low * w[q + k];
    cells[3 * q + k] = -low * w[q - 1 - k];
    cells[q - 1 - k] = high * w[q - 1 - k];
    cells[q + k] = -high * w[q + k];
  });
}
