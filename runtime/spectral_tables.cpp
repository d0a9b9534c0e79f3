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

// Pairs of consecutive twiddles, from m = 0, out of the table that starts at m = 1.
std::vector<double> PairedTwiddles(const std::vector<double>& twiddles) {
  std::vector<double> paired;
  paired.reserve(twiddles.size() + 4);
  auto lane = [&twiddles](std::size_t m, std::size_t k) {
    if (m == 0) return k < 2 ? 1.0 : 0.0;
    return twiddles[4 * (m - 1) + k];
  };
  for (std::size_t m = 0; m < twiddles.size() / 4 + 1; m += 2) {
    paired.insert(paired.end(), {lane(m, 0), lane(m, 1), lane(m + 1, 0), lane(m + 1, 1), lane(m, 2), lane(m, 3),
                                 lane(m + 1, 2), lane(m + 1, 3)});
  }
  return paired;
}

// The walk of one permutation: every cycle longer than one as its length, then its
// elements as offsets in doubles.
void AppendCycles(const std::vector<std::int32_t>& permutation, std::vector<std::int32_t>& leaders,
                  std::vector<std::int32_t>& walk) {
  std::vector<bool> visited(permutation.size(), false);
  for (std::int32_t leader = 0; leader < static_cast<std::int32_t>(permutation.size()); ++leader) {
    if (visited[leader] || permutation[leader] == leader) continue;
    leaders.push_back(leader);
    const std::size_t lengthAt = walk.size();
    walk.push_back(0);
    for (std::int32_t k = leader; !visited[k]; k = permutation[k]) {
      visited[k] = true;
      walk.push_back(2 * k);
    }
    walk[lengthAt] = static_cast<std::int32_t>(walk.size() - lengthAt - 1);
  }
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

SpectralTables::SpectralTables() {
  twiddles_[kFftMinLog2] = TwiddlesOfSize16();
  for (int log2 = kFftMinLog2 + 1; log2 <= kFftMaxLog2; ++log2) twiddles_[log2] = ComputedTwiddles(1 << log2);
  for (int log2 = kFftMinLog2; log2 <= kFftMaxLog2; ++log2) twiddleData_[log2] = twiddles_[log2].data();
  for (int log2 = kFftMinLog2 + 1; log2 <= kFftMaxLog2; ++log2) {
    pairedTwiddles_[log2] = PairedTwiddles(twiddles_[log2]);
    pairedTwiddleData_[log2] = pairedTwiddles_[log2].data();
  }

  std::array<std::vector<std::int32_t>, kFftMaxLog2 + 1> rules;
  rules[0] = {0};
  rules[1] = {0, 1};
  for (int log2 = kReorderMinLog2; log2 <= kFftMaxLog2; ++log2) {
    rules[log2] = IndexRule(1 << log2, rules[log2 - 1], rules[log2 - 2]);
    permutations_[log2] = PermutationOf(rules[log2]);
    AppendCycles(permutations_[log2], cycleLeaders_[log2], cycleWalks_[log2]);
  }
}

const SpectralTables& SharedSpectralTables() {
  static const SpectralTables tables;  // the language makes the first initialisation exclusive
  return tables;
}

void PrepareSpectralTables() { SharedSpectralTables(); }
