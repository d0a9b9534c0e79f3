#include "spectral_reference.h"

#include <cmath>
#include <random>

namespace {

constexpr double kPi = 3.14159265358979323846264338328;

// The n roots e^(sign·2πi·j/n); angles are reduced to integers mod n before they meet
// the floating point, so the reference itself adds only one rounding per root.
ComplexVector Roots(std::int64_t n, int sign) {
  ComplexVector roots(static_cast<std::size_t>(n));
  for (std::int64_t j = 0; j < n; ++j) roots[j] = std::polar(1.0, sign * 2.0 * kPi * j / n);
  return roots;
}

// cos(π·j/(2n)) for j < 4n: every angle of the MDCT kernel, reduced.
std::vector<double> KernelTable(std::int64_t n) {
  std::vector<double> table(static_cast<std::size_t>(4 * n));
  for (std::int64_t j = 0; j < 4 * n; ++j) table[j] = std::cos(kPi * j / (2.0 * n));
  return table;
}

std::size_t KernelStep(std::int64_t n, std::int64_t j, std::int64_t k) {
  return static_cast<std::size_t>(((2 * j + 1 + n / 2) * (2 * k + 1)) & (4 * n - 1));
}

}  // namespace

// The top 53 bits of each draw as a fraction: exact, and without the logarithm that the
// standard's uniform distribution computes at every draw.
std::vector<double> RandomValues(std::size_t count, unsigned seed) {
  std::mt19937_64 generator(seed);
  std::vector<double> values(count);
  for (double& value : values) value = static_cast<double>(generator() >> 11) * 0x1p-52 - 1.0;
  return values;
}

ComplexVector RandomComplex(std::size_t count, unsigned seed) {
  const std::vector<double> parts = RandomValues(2 * count, seed);
  ComplexVector values(count);
  for (std::size_t k = 0; k < count; ++k) values[k] = {parts[2 * k], parts[2 * k + 1]};
  return values;
}

Complex DftBin(const ComplexVector& x, std::int64_t k, int sign) {
  const auto n = static_cast<std::int64_t>(x.size());
  Complex sum = 0.0;
  for (std::int64_t j = 0; j < n; ++j) sum += x[j] * std::polar(1.0, sign * 2.0 * kPi * ((j * k) & (n - 1)) / n);
  return sum;
}

ComplexVector DirectDft(const ComplexVector& x, int sign) {
  const auto n = static_cast<std::int64_t>(x.size());
  const ComplexVector roots = Roots(n, sign);
  ComplexVector spectrum(x.size());
  for (std::int64_t k = 0; k < n; ++k) {
    Complex sum = 0.0;
    for (std::int64_t j = 0; j < n; ++j) sum += x[j] * roots[(j * k) & (n - 1)];
    spectrum[k] = sum;
  }
  return spectrum;
}

double SineWindow(std::int32_t n, std::int32_t j) { return std::sin((j + 0.5) * kPi / n); }

std::vector<double> Windowed(const std::vector<double>& values) {
  const auto n = static_cast<std::int32_t>(values.size());
  std::vector<double> windowed(values);
  for (std::int32_t j = 0; j < n; ++j) windowed[j] *= SineWindow(n, j);
  return windowed;
}

double MdctForwardScale(std::int32_t n) { return n > 32 ? 4.0 / n : 1.0; }

double MdctInverseScale(std::int32_t n) { return n > 32 ? 1.0 : 4.0 / n; }

std::vector<double> Scaled(std::vector<double> values, double factor) {
  for (double& value : values) value *= factor;
  return values;
}

std::int64_t Perm(std::int64_t i, std::int64_t n) {
  if (n < 3) return i;
  if (i < n / 2) return 2 * Perm(i, n / 2);
  if (i < 3 * n / 4) return 4 * Perm(i - n / 2, n / 4) + 1;
  return (4 * Perm(i - 3 * n / 4, n / 4) - 1 + n) % n;
}

ComplexVector InOwnOrder(const ComplexVector& natural) {
  const auto n = static_cast<std::int64_t>(natural.size());
  ComplexVector own(natural.size());
  for (std::int64_t i = 0; i < n; ++i) own[i] = natural[(n - Perm(i, n)) % n];
  return own;
}

std::vector<double> DirectMdct(const std::vector<double>& x) {
  const auto n = static_cast<std::int64_t>(x.size());
  const std::vector<double> kernel = KernelTable(n);
  std::vector<double> coefficients(x.size() / 2);
  for (std::int64_t k = 0; k < n / 2; ++k) {
    double sum = 0.0;
    for (std::int64_t j = 0; j < n; ++j) sum += x[j] * kernel[KernelStep(n, j, k)];
    coefficients[k] = sum;
  }
  return coefficients;
}

std::vector<double> DirectInverseMdct(const std::vector<double>& coefficients) {
  const auto n = static_cast<std::int64_t>(2 * coefficients.size());
  const std::vector<double> kernel = KernelTable(n);
  std::vector<double> y(static_cast<std::size_t>(n));
  for (std::int64_t j = 0; j < n; ++j) {
    double sum = 0.0;
    for (std::int64_t k = 0; k < n / 2; ++k) sum += coefficients[k] * kernel[KernelStep(n, j, k)];
    y[j] = sum;
  }
  return y;
}

double RelativeError(const ComplexVector& a, const ComplexVector& b) {
  double difference = 0.0, reference = 0.0;
  for (std::size_t k = 0; k < b.size(); ++k) {
    difference += std::norm(a[k] - b[k]);
    reference += std::norm(b[k]);
  }
  return std::sqrt(difference / reference);
}

double RelativeError(const std::vector<double>& a, const std::vector<double>& b) {
  double difference = 0.0, reference = 0.0;
  for (std::size_t k = 0; k < b.size(); ++k) {
    difference += (a[k] - b[k]) * (a[k] - b[k]);
    reference += b[k] * b[k];
  }
  return std::sqrt(difference / reference);
}

void StoreComplex(TZepkin& script, std::int32_t index, const ComplexVector& values) {
  for (std::size_t k = 0; k < values.size(); ++k) {
    const auto cell = static_cast<std::int32_t>(index + 2 * k);
    *script.MemoryAt(cell) = values[k].real();
    *script.MemoryAt(cell + 1) = values[k].imag();
  }
}

ComplexVector LoadComplex(TZepkin& script, std::int32_t index, std::size_t count) {
  ComplexVector values(count);
  for (std::size_t k = 0; k < count; ++k) {
    const auto cell = static_cast<std::int32_t>(index + 2 * k);
    values[k] = {*script.MemoryAt(cell), *script.MemoryAt(cell + 1)};
  }
  return values;
}

void StoreValues(TZepkin& script, std::int32_t index, const std::vector<double>& values) {
  for (std::size_t k = 0; k < values.size(); ++k) *script.MemoryAt(static_cast<std::int32_t>(index + k)) = values[k];
}

std::vector<double> LoadValues(TZepkin& script, std::int32_t index, std::size_t count) {
  std::vector<double> values(count);
  for (std::size_t k = 0; k < count; ++k) values[k] = *script.MemoryAt(static_cast<std::int32_t>(index + k));
  return values;
}
