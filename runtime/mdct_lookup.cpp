#include "runtime/mdct_lookup.h"

#include <array>
#include <cmath>
#include <memory>
#include <mutex>

#include "runtime/spectral_tables.h"

namespace {

constexpr double kPi = 3.14159265358979323846264338328;

std::vector<double> SineWindow(std::int32_t n) {
  std::vector<double> window(static_cast<std::size_t>(n / 2));
  for (std::int32_t i = 0; i < n / 2; ++i) window[i] = std::sin((i + 0.5) * kPi / n);
  return window;
}

// [0, n/2): e^(−2πi·t/(n/2)) for t < n/4, the twiddles of the n/4-point complex transform
// and the pre-rotation into odd frequencies; [n/2, n): e^(+iπ(2t + 1)/(2n)) for t < n/4,
// the rotation from odd frequencies to the cosine transform's coefficient pairs;
// [n, n + n/4): half of e^(−2πi·(t + 1/2)/(n/2)) for t < n/8, which separates the
// spectra of the even and odd samples.
std::vector<double> FastTrig(std::int32_t n) {
  std::vector<double> trig(static_cast<std::size_t>(n + n / 4));
  for (std::int32_t i = 0; i < n / 4; ++i) {
    trig[2 * i] = std::cos(4 * i * kPi / n);
    trig[2 * i + 1] = -std::sin(4 * i * kPi / n);
    trig[n / 2 + 2 * i] = std::cos((2 * i + 1) * kPi / (2 * n));
    trig[n / 2 + 2 * i + 1] = std::sin((2 * i + 1) * kPi / (2 * n));
  }
  for (std::int32_t i = 0; i < n / 8; ++i) {
    trig[n + 2 * i] = std::cos((4 * i + 2) * kPi / n) * 0.5;
    trig[n + 2 * i + 1] = -std::sin((4 * i + 2) * kPi / n) * 0.5;
  }
  return trig;
}

std::int32_t ReversedBits(std::int32_t value, int bits) {
  std::int32_t reversed = 0;
  for (int b = 0; b < bits; ++b) reversed |= ((value >> b) & 1) << (bits - 1 - b);
  return reversed;
}

// For i < n/8, the positions (in doubles) where the n/4-point transform leaves bins
// n/4 − 1 − i and i: the two bins that are taken apart together.
std::vector<std::int32_t> BitReverse(std::int32_t n, int log2) {
  std::vector<std::int32_t> entries(static_cast<std::size_t>(n / 4));
  const std::int32_t mask = (std::int32_t{1} << (log2 - 1)) - 1;
  for (std::int32_t i = 0; i < n / 8; ++i) {
    const std::int32_t acc = ReversedBits(i, log2 - 1);
    entries[2 * i] = (mask & ~acc) - 1;
    entries[2 * i + 1] = acc;
  }
  return entries;
}

MdctLookup BuildLookup(std::int32_t n) {
  MdctLookup lookup;
  lookup.size = n;
  lookup.log2Size = Log2OfPowerOfTwo(n);
  lookup.scale = 4.0 / n;
  lookup.window = SineWindow(n);
  if (n > kMdctMinSize) {
    lookup.trig = FastTrig(n);
    lookup.bitReverse = BitReverse(n, lookup.log2Size);
  }
  return lookup;
}

struct LookupSlot {
  std::once_flag built;
  std::unique_ptr<const MdctLookup> lookup;
};

}  // namespace

const MdctLookup& SharedMdctLookup(std::int32_t n) {
  static std::array<LookupSlot, kMdctMaxLog2 - kMdctMinLog2 + 1> slots;
  LookupSlot& slot = slots[static_cast<std::size_t>(Log2OfPowerOfTwo(n) - kMdctMinLog2)];
  std::call_once(slot.built, [&slot, n] { slot.lookup = std::make_unique<const MdctLookup>(BuildLookup(n)); });
  return *slot.lookup;
}
