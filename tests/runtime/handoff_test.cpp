#include <gtest/gtest.h>

#include "runtime/zepkin.h"

namespace {

class HandoffScript final : public TZepkin {
 public:
  HandoffScript() { HandoffReserve(4); }
  void publish(std::initializer_list<double> values) {
    double* const cells = MemoryAt(100);
    std::int32_t count = 0;
    for (const double value : values) cells[count++] = value;
    HandoffPublish(100, count);
  }
};

TEST(Handoff, TheReaderGetsTheNewestWholePublicationOnceAndKeepsIt) {
  HandoffScript script;
  EXPECT_FALSE(script.HandoffReady());
  EXPECT_EQ(script.HandoffTake(), 0);
  EXPECT_EQ(script.HandoffCount(), 0);
  script.publish({1, 2, 3});
  script.publish({4, 5});
  EXPECT_TRUE(script.HandoffReady());
  EXPECT_EQ(script.HandoffTake(), 1);
  EXPECT_EQ(script.HandoffCount(), 2);
  EXPECT_EQ(script.HandoffValue(0), 4.0);
  EXPECT_EQ(script.HandoffValue(1), 5.0);
  EXPECT_EQ(script.HandoffValue(2), 0.0) << "outside the frame";
  EXPECT_EQ(script.HandoffTake(), 0) << "nothing new";
  EXPECT_EQ(script.HandoffValue(1), 5.0) << "the frame read stays";
  script.publish({6, 7, 8, 9, 10});
  EXPECT_EQ(script.HandoffTake(), 1);
  EXPECT_EQ(script.HandoffCount(), 4) << "at most the reserved room";
}

}  // namespace
