#include <gtest/gtest.h>

#include "vstgui/bitmap.h"
#include "vstgui/font_desc.h"
#include "vstgui/frame.h"
#include "vstgui/gdiplus_globals.h"

namespace {

using namespace VSTGUI;

// Counts GDI+'s start-ups and shut-downs on their way to GDI+ itself.
struct LifecycleCount {
  int startups = 0;
  int shutdowns = 0;
  bool standardFontHeldAtShutdown = false;
};
LifecycleCount count;

Gdiplus::Status WINAPI CountedStartup(ULONG_PTR* token, const Gdiplus::GdiplusStartupInput* input,
                                      Gdiplus::GdiplusStartupOutput* output) {
  ++count.startups;
  return Gdiplus::GdiplusStartup(token, input, output);
}

void WINAPI CountedShutdown(ULONG_PTR token) {
  ++count.shutdowns;
  count.standardFontHeldAtShutdown = StandardFont(0)->hasPlatformFont();
  Gdiplus::GdiplusShutdown(token);
}

class GdiPlusLifetime : public ::testing::Test {
 protected:
  GdiPlusLifetime() : real(GdiPlusLifecycle()) {
    count = {};
    GdiPlusLifecycle() = {CountedStartup, CountedShutdown};
  }
  ~GdiPlusLifetime() override { GdiPlusLifecycle() = real; }

  const GdiPlusLifecycleCalls real;
};

TEST_F(GdiPlusLifetime, ABitmapAndAFrameStartGdiPlusOnceAndStopItOnceInEitherOrder) {
  for (const bool bitmapFirst : {true, false}) {
    ASSERT_FALSE(GDIPlusGlobals::isRunning());
    auto* bitmap = new CBitmap(4, 4);
    auto* frame = new CFrame({0, 0, 10, 10}, nullptr, nullptr);
    EXPECT_EQ(count.startups, 1);
    (bitmapFirst ? static_cast<CBaseObject*>(bitmap) : frame)->forget();
    EXPECT_EQ(count.shutdowns, 0);
    (bitmapFirst ? static_cast<CBaseObject*>(frame) : bitmap)->forget();
    EXPECT_EQ(count.shutdowns, 1) << (bitmapFirst ? "bitmap first" : "frame first");
    EXPECT_FALSE(GDIPlusGlobals::isRunning());
    count = {};
  }
}

TEST_F(GdiPlusLifetime, CachedFontsAreDeletedBeforeGdiPlusStops) {
  {
    const GdiPlusSession gdiplus;
    StandardFont(0)->platformFont();
    EXPECT_TRUE(StandardFont(0)->hasPlatformFont());
  }
  EXPECT_EQ(count.shutdowns, 1);
  EXPECT_FALSE(count.standardFontHeldAtShutdown);
  EXPECT_FALSE(StandardFont(0)->hasPlatformFont());
}

TEST_F(GdiPlusLifetime, ReleaseWithoutAcquireChangesNothing) {
  GDIPlusGlobals::release();
  EXPECT_EQ(count.shutdowns, 0);
  EXPECT_FALSE(GDIPlusGlobals::isRunning());
}

}  // namespace
