#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/pacing_clock.h"
#include "runtime/zepkin.h"

namespace {

class SectionLog final : public TZepkin {
 public:
  void DoInit() override { log.push_back("init"); }
  void DoSlider() override { log.push_back("slider"); }
  std::vector<std::string> log;
};

class CountedBitmap final : public ReferenceCounted {
 public:
  void remember() override { ++references; }
  void forget() override { --references; }
  int references = 1;
};

TEST(Runtime, FreshObjectHoldsOnlyInitialValues) {
  const SectionLog script;
  EXPECT_EQ(script.adaptor, nullptr);
  for (double value : script.sliderValues) EXPECT_EQ(value, 0.0);
  for (double value : script.samples) EXPECT_EQ(value, 0.0);
  EXPECT_TRUE(script.sliders.empty());
  EXPECT_TRUE(script.effectName.empty());
  EXPECT_TRUE(script.programName.empty());
  EXPECT_EQ(script.vendorVersion, 0);
  EXPECT_EQ(script.channelCount, 0);
  EXPECT_TRUE(script.strings.empty());
  EXPECT_EQ(script.stringCount, 0.0);
  ASSERT_EQ(script.fileHandles.size(), 1u);
  EXPECT_EQ(script.fileHandles[0].mode, kFileClosed);
  EXPECT_TRUE(script.fileHandles[0].values.empty());
  EXPECT_TRUE(script.fontSlots.empty());
  EXPECT_TRUE(script.imageSlots.empty());
  EXPECT_EQ(script.textHeight, 0.0);
  EXPECT_EQ(script.refreshRate, 0.0);
  EXPECT_EQ(script.mouseButtonBits, 0.0);
  EXPECT_EQ(script.initCount, 0);
  EXPECT_TRUE(script.log.empty());
}

TEST(Runtime, InitGuardRunsTheInitSectionOnlyTheFirstTime) {
  SectionLog script;
  EXPECT_EQ(script.EnsureInit(), 1);
  EXPECT_EQ(script.EnsureInit(), 2);
  EXPECT_EQ(script.log, std::vector<std::string>{"init"});
}

TEST(Runtime, ResumeRunsInitThenSliderAndLeavesTheInitGuardAlone) {
  SectionLog script;
  script.DoResume();
  script.DoResume();
  EXPECT_EQ(script.log, (std::vector<std::string>{"init", "slider", "init", "slider"}));
  EXPECT_EQ(script.initCount, 0);
  EXPECT_EQ(script.EnsureInit(), 1);
  EXPECT_EQ(script.log.back(), "init");
}

TEST(Runtime, OpenEmptiesMemoryAndStrings) {
  SectionLog script;
  *script.MemoryAt(70000) = 3.0;
  script.StringAt(5) = "five";
  script.lastRefreshTick = 1234;
  script.DoOpen();
  EXPECT_TRUE(script.memoryBlocks.empty());
  EXPECT_TRUE(script.strings.empty());
  EXPECT_EQ(script.stringCount, 0.0);
  EXPECT_EQ(script.lastRefreshTick, 0);
  EXPECT_EQ(*script.MemoryAt(70000), 0.0);
}

TEST(Runtime, StringTableCreatesMissingEntriesAndCountsThem) {
  SectionLog script;
  EXPECT_EQ(script.StringAt(10000), "");
  EXPECT_EQ(script.stringCount, 1.0);
  script.StringAt(3) = "three";
  EXPECT_EQ(script.stringCount, 2.0);
  EXPECT_EQ(script.StringAt(3), "three");
  EXPECT_EQ(script.stringCount, 2.0);
}

std::uint32_t clockNow = 0;
std::uint32_t TestMilliseconds() { return clockNow; }
void NoPause(std::uint32_t) {}
const PacingClock kTestClock{TestMilliseconds, NoPause};

class RedrawTimer : public ::testing::Test {
 protected:
  RedrawTimer() { UsePacingClock(&kTestClock); }
  ~RedrawTimer() override { UsePacingClock(nullptr); }
  SectionLog script;
};

// The timer's redraw request goes nowhere here; a new tick marks that it was made.
TEST_F(RedrawTimer, RequestsARedrawOnlyAfterItsIntervalAlsoAcrossTheClocksWrap) {
  script.refreshRate = 30.0;  // one redraw per 33.3 ms at most
  for (const std::uint32_t start : {1000000u, 0xFFFFFFF0u}) {
    script.lastRefreshTick = static_cast<std::int32_t>(start);
    clockNow = start + 33;
    script.DoGfxTimer();
    EXPECT_EQ(script.lastRefreshTick, static_cast<std::int32_t>(start)) << start;
    clockNow = start + 34;
    script.DoGfxTimer();
    EXPECT_EQ(script.lastRefreshTick, static_cast<std::int32_t>(start + 34)) << start;
  }
}

TEST_F(RedrawTimer, IsOffAtRateZero) {
  script.lastRefreshTick = 0;
  clockNow = 100000;
  script.DoGfxTimer();
  EXPECT_EQ(script.lastRefreshTick, 0);
}

TEST(Runtime, DestructionReleasesImageSlotBitmaps) {
  CountedBitmap bitmap;
  {
    SectionLog script;
    ImageSlotCell cell(ImageSlotCreate());
    cell->bitmap = &bitmap;
    script.imageSlots[4] = std::move(cell);
    script.imageSlots[5] = ImageSlotCell(ImageSlotCreate());  // an empty cell
  }
  EXPECT_EQ(bitmap.references, 0);
  EXPECT_EQ(ImageSlotFree(nullptr), 0);
}

}  // namespace
