#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/bounded_text.h"

namespace {

std::string CopyInto(const char* source, std::size_t capacity, std::size_t* touched = nullptr) {
  char buffer[64];
  std::memset(buffer, 0x55, sizeof buffer);
  CopyBoundedText(buffer, source, capacity);
  if (touched) {
    *touched = sizeof buffer;
    while (*touched > 0 && static_cast<unsigned char>(buffer[*touched - 1]) == 0x55) --*touched;
  }
  return buffer;
}

TEST(BoundedText, ShortTextIsCopiedWithItsTerminatorOnly) {
  std::size_t touched = 0;
  EXPECT_EQ(CopyInto("s", 8, &touched), "s");
  EXPECT_EQ(touched, 2u);
}

TEST(BoundedText, TextThatFillsTheBufferKeepsItsLastCharacter) {
  EXPECT_EQ(CopyInto("1234567", 8), "1234567");
}

TEST(BoundedText, LongerTextIsCutAndTerminatedWithinTheBuffer) {
  std::size_t touched = 0;
  EXPECT_EQ(CopyInto("target level", 8, &touched), "target ");
  EXPECT_EQ(touched, 8u);
}

TEST(BoundedText, CutFallsBeforeAUtf8CharacterThatDoesNotFit) {
  // "Pegel " then U+00FC (two bytes) then "ber": the cut at 7 bytes would split it.
  EXPECT_EQ(CopyInto("Pegel \xC3\xBC" "ber", 8), "Pegel ");
  EXPECT_EQ(CopyInto("Pegel\xC3\xBC" "ber", 8), "Pegel\xC3\xBC");
  // A three-byte character (U+20AC) straddling the cut.
  EXPECT_EQ(CopyInto("12345\xE2\x82\xAC", 8), "12345");
}

TEST(BoundedText, OneByteBufferHoldsOnlyTheTerminator) {
  std::size_t touched = 0;
  EXPECT_EQ(CopyInto("anything", 1, &touched), "");
  EXPECT_EQ(touched, 1u);
}

TEST(BoundedText, ZeroCapacityWritesNothing) {
  char buffer[4];
  std::memset(buffer, 0x55, sizeof buffer);
  CopyBoundedText(buffer, "x", 0);
  for (char c : buffer) EXPECT_EQ(static_cast<unsigned char>(c), 0x55);
}

}  // namespace
