#include "runtime/spectral_tables.h"

#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586476925286766559;

// Size 16 is written out as correctly rounded constants, the values that its
// straight-line transform uses.
constexpr double kCosEighthPi = 0.92387953251128675613;
constexpr double kSinEighthPi = 0.38268343236508977173;
constexpr double kSqrtHalf = 0.70710678118654752440;

void AppendTwiddle(std::vector<double>& values, double cosine, double sine) {
  values.insert(values.end(), {cosine, cosine, -sine, sine});
}

std::vector<double> TwiddlesOfSize16() {
  std::vector<double> values;
  AppendTwiddle(values, kCosEighthPi, kSinEighthPi);
  AppendTwiddle(values, kSqrtHalf, kSqrtHalf);
  AppendTwiddle(values, kSinEighthPi, kCosEighthPi);
  return values;
}

// Angles past π/4 take the sine and cosine of their complement, so that both halves of
// the table are rounded alike.
std::vector<double> ComputedTwiddles(std::int32_t n) {
  std::vector<double> values;
  values.reserve(static_cast<std::size_t>(n));
  for (std::int32_t k = 1; k < n / 4; ++k) {
    const bool upper = 8 * k > n;
    const double angle = kTwoPi * (upper ? n / 4 - k : k) / n;
    AppendTwiddle(values, upper ? std::sin(angle) : std::cos(angle), upper ? std::cos(angle) : std::sin(angle));
  }
  return values;
}

// perm(i, n) for every i, from the rule for n/2 and n/4: the transform's own order
// holds X[(n − perm(i, n)) mod n] at element i.
std::vector<std::int32_t> IndexRule(std::int32_t n, const std::vector<std::int32_t>& half,
                                    const std::vector<std::int32_t>& quarter) {
  std::vector<std::int32_t> rule(static_cast<std::size_t>(n));
  for (std::int32_t i = 0; i < n / 2; ++i) rule[i] = 2 * half[i];
  for (std::int32_t i = 0; i < n / 4; ++i) {
    rule[n / 2 + i] = 4 * quarter[i] + 1;
    rule[3 * n / 4 + i] = (4 * quarter[i] - 1 + n) % n;
  }
  return rule;
}

std::vector<std::int32_t> PermutationOf(const std::vector<std::int32_t>& rule) {
  const auto n = static_cast<std::int32_t>(rule.size());
  std::vector<std::int32_t> permutation(rule.size());
  for (std::int32_t i = 0; i < n; ++i) permutation[(n - rule[i]) % n] = i;
  return permutation;
}

}  // namespace

// Every bit below the highest set bit is set, then all but the highest cleared.
std::int32_t FloorPowerOfTwo(std::int32_t n) {
  if (n <= 0) return 0;
  auto bits = static_cast<std::uint32_t>(n);
  for (int shift = 1; shift < 32; shift *= 2) bits |= bits >> shift;
  return static_cast<std::int32_t>(bits - (bits >> 1));
}

// A binary search over the bit position: five steps for any 32-bit power of two.
int Log2OfPowerOfTwo(std::int32_t n) {
  auto bits = static_cast<std::uint32_t>(n);
  int log2 = 0;
  for (int shift = 16; shift > 0; shift /= 2) {
    if (bits >> shift) {
      bits >>= shift;
      log2 += shift;
    }
  }
  return log2;
}

SpectralTables::SpectralTables() {
  twiddles_[kFftMinLog2] = TwiddlesOfSize16();
  for (int log2 = kFftMinLog2 + 1; log2 <= kFftMaxLog2; ++log2) twiddles_[log2] = ComputedTwiddles(1 << log2);
  for (int log2 = kFftMinLog2; log2 <= kFftMaxLog2; ++log2) twiddleData_[log2] = twiddles_[log2].data();

  std::array<std::vector<std::int32_t>, kFftMaxLog2 + 1> rules;
  rules[0] = {0};
  rules[1] = {0, 1};
  for (int log2 = kReorderMinLog2; log2 <= kFftMaxLog2; ++log2) {
    rules[log2] = IndexRule(1 << log2, rules[log2 - 1], rules[log2 - 2]);
    const std::vector<std::int32_t>& permutation = permutations_[log2] = PermutationOf(rules[log2]);
    std::vector<bool> visited(permutation.size(), false);
    for (std::int32_t leader = 0; leader < (1 << log2); ++leader) {
      if (visited[leader] || permutation[leader] == leader) continue;
      cycleLeaders_[log2].push_back(leader);
      for (std::int32_t k = leader; !visited[k]; k = permutation[k]) {
        visited[k] = true;
        cycleWalks_[log2].push_back(k);
      }
    }
    cycleWalks_[log2].push_back(-1);
  }
}

const SpectralTables& SharedSpectralTables() {
  static const SpectralTables tables;  // the language makes the first initialisation exclusive
  return tables;
}

void PrepareSpectralTables() { SharedSpectralTables(); }
