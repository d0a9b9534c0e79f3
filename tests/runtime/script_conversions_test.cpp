#include <gtest/gtest.h>

#include <limits>

#include "runtime/script_conversions.h"

namespace {

TEST(ScriptConversions, ColourChannelsBecomeBytesNudgedAndHeld) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double channel;
    std::int32_t byte;
  } cases[] = {{1.0, 255}, {0.5, 127}, {-0.2, 0}, {1.7, 255}, {0.999999, 254}, {0.9999997, 255},
               {0.0, 0},   {nan, 0},   {1e300, 255}, {-1e300, 0}, {2.0 / 255.0, 2}};
  for (const auto& c : cases) EXPECT_EQ(ToChannelByte(c.channel), c.byte) << c.channel;
}

TEST(ScriptConversions, SizesBecomeWholeNumbersNudgedAwayFromZero) {
  const struct {
    double value;
    std::int32_t whole;
  } cases[] = {{11.05, 11}, {11.99995, 12}, {-2.99995, -3}, {-0.5, 0}, {1e12, 0}};
  for (const auto& c : cases) EXPECT_EQ(ToIntNudged(c.value), c.whole) << c.value;
}

TEST(ScriptConversions, PackedColoursTruncateToTheirBits) {
  EXPECT_EQ(PackedColorBits(255.9), 255);
  EXPECT_EQ(PackedColorBits(-1.5), -1);
  EXPECT_EQ(PackedColorBits(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(PackedColorBits(1e300), std::numeric_limits<std::int64_t>::max());
}

}  // namespace
