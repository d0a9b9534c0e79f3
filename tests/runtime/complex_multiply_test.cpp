#include <gtest/gtest.h>

#include <cstdint>

#include "spectral_reference.h"

namespace {

ComplexVector Products(const ComplexVector& a, const ComplexVector& b, std::size_t count) {
  ComplexVector products(a);
  for (std::size_t k = 0; k < count; ++k) products[k] = a[k] * b[k];
  return products;
}

TEST(ComplexMultiply, MultipliesDestinationBySourceValueByValue) {
  SpectralScript script;
  StoreComplex(script, 0, {{1.0, 2.0}, {3.0, -4.0}});
  StoreComplex(script, 100, {{5.0, 6.0}, {0.0, 1.0}});
  script.ComplexMultiply(0, 100, 2);
  EXPECT_EQ(LoadComplex(script, 0, 2), (ComplexVector{{-7.0, 16.0}, {4.0, 3.0}}));
  EXPECT_EQ(LoadComplex(script, 100, 2), (ComplexVector{{5.0, 6.0}, {0.0, 1.0}}));
}

// The count is of complex values and is rounded down to an even number: 5 multiplies
// four values, 1 none.
TEST(ComplexMultiply, OddCountsAreRoundedDownToEven) {
  const ComplexVector a = RandomComplex(6, 1), b = RandomComplex(6, 2);
  for (const std::int32_t count : {5, 1}) {
    SpectralScript script;
    StoreComplex(script, 0, a);
    StoreComplex(script, 1000, b);
    script.ComplexMultiply(0, 1000, count);
    EXPECT_EQ(LoadComplex(script, 0, 6), Products(a, b, static_cast<std::size_t>(count - 1))) << count;
  }
}

TEST(ComplexMultiply, CountsOfZeroOrLessDoNothing) {
  const ComplexVector a = RandomComplex(4, 3);
  SpectralScript script;
  StoreComplex(script, 0, a);
  for (const std::int32_t count : {0, -1, -4}) script.ComplexMultiply(0, 0, count);
  EXPECT_EQ(LoadComplex(script, 0, 4), a);
}

TEST(ComplexMultiply, DestinationMayBeItsOwnSource) {
  const ComplexVector a = RandomComplex(8, 4);
  SpectralScript script;
  StoreComplex(script, 0, a);
  script.ComplexMultiply(0, 0, 8);
  EXPECT_EQ(LoadComplex(script, 0, 8), Products(a, a, 8));
}

// Even and odd starting cells place whole values, or a value split in two, at the
// boundary; both runs may cross, at different places.
TEST(ComplexMultiply, ValuesAcrossABlockBoundaryAreMultipliedLikeContiguousOnes) {
  const std::int32_t count = 40;
  const ComplexVector a = RandomComplex(count, 5), b = RandomComplex(count, 6);
  const ComplexVector expected = Products(a, b, count);
  const std::int32_t end = CZepkinMemory::kBlockLength;
  SpectralScript script;
  for (const auto& [destination, source] :
       {std::pair{end - 10, 0}, std::pair{end - 11, end + 500}, std::pair{0, end - 9}, std::pair{end - 31, 3 * end - 7},
        std::pair{-21, -200}}) {
    StoreComplex(script, destination, a);
    StoreComplex(script, source, b);
    script.ComplexMultiply(destination, source, count);
    EXPECT_EQ(LoadComplex(script, destination, count), expected) << destination << " " << source;
  }
}

}  // namespace
