#include <gtest/gtest.h>

#include <string>

#include "host/audio_effect.h"

namespace {

// The number-to-text tools of the base object, at the default 44100 Hz.
class ValueText : public ::testing::Test {
 protected:
  template <class Value>
  std::string text(void (AudioEffect::*tool)(Value, char*, VstInt32), Value value, VstInt32 maxLen = 32) {
    char buffer[64] = {};
    (effect.*tool)(value, buffer, maxLen);
    return buffer;
  }
  AudioEffect effect{nullptr, 1, 0};
};

TEST_F(ValueText, FloatsShowEightDigitsInAll) {
  EXPECT_EQ(text(&AudioEffect::float2string, 1.5f), "1.5000000");
  EXPECT_EQ(text(&AudioEffect::float2string, -2.25f), "-2.2500000");
  EXPECT_EQ(text(&AudioEffect::float2string, 123.5f), "123.50000");
  EXPECT_EQ(text(&AudioEffect::float2string, 12345678.0f), "12345678");
  EXPECT_EQ(text(&AudioEffect::float2string, 0.0f), "0.0000000");
  EXPECT_EQ(text(&AudioEffect::float2string, 1.5f, 8), "1.50000");
  EXPECT_EQ(text(&AudioEffect::float2string, 3e9f), "Huge!");
}

TEST_F(ValueText, IntegersAboveEightDigitsAreHuge) {
  EXPECT_EQ(text(&AudioEffect::int2string, 99999999), "99999999");
  EXPECT_EQ(text(&AudioEffect::int2string, 100000000), "Huge!");
  EXPECT_EQ(text(&AudioEffect::int2string, -42), "-42");
}

TEST_F(ValueText, DecibelsOfSilenceAreMinusInfinity) {
  EXPECT_EQ(text(&AudioEffect::dB2string, 0.0f), "-oo");
  EXPECT_EQ(text(&AudioEffect::dB2string, -1.0f), "-oo");
  EXPECT_EQ(text(&AudioEffect::dB2string, 1.0f), "0.0000000");
  EXPECT_EQ(text(&AudioEffect::dB2string, 10.0f), "20.000000");
}

TEST_F(ValueText, SamplesBecomeHertzAndMilliseconds) {
  EXPECT_EQ(text(&AudioEffect::Hz2string, 100.0f), "441.00000");
  EXPECT_EQ(text(&AudioEffect::Hz2string, 0.0f), "0.0000000");
  EXPECT_EQ(text(&AudioEffect::ms2string, 441.0f), "10.000000");
}

}  // namespace
