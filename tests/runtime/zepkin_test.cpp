#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(Runtime, RedrawTimerRequestsARedrawOnlyAfterItsInterval) {
  SectionLog script;
  script.refreshRate = 30.0;  // one redraw per 33.3 ms at most
  const std::int32_t recent = RefreshClockTicks() - 20;
  script.lastRefreshTick = recent;
  script.DoGfxTimer();
  EXPECT_EQ(script.lastRefreshTick, recent);
  script.lastRefreshTick = RefreshClockTicks() - 40;
  const std::int32_t before = RefreshClockTicks();
  script.DoGfxTimer();
  EXPECT_GE(script.lastRefreshTick, before);
}

TEST(Runtime, RedrawTimerIsOffAtRateZero) {
  SectionLog script;
  script.lastRefreshTick = RefreshClockTicks() - 100000;
  const std::int32_t old = script.lastRefreshTick;
  script.DoGfxTimer();
  EXPECT_EQ(script.lastRefreshTick, old);
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
