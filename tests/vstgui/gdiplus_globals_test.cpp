#include <gtest/gtest.h>

#include "tests/support/counted_gdiplus.h"
#include "vstgui/bitmap.h"
#include "vstgui/font_desc.h"
#include "vstgui/frame.h"
#include "vstgui/gdiplus_globals.h"

namespace {

using namespace VSTGUI;

bool standardFontHeldAtShutdown = false;
void NoteStandardFont() { standardFontHeldAtShutdown = StandardFont(0)->hasPlatformFont(); }

class GdiPlusLifetime : public ::testing::Test {
 protected:
  GdiPlusLifetime() { standardFontHeldAtShutdown = false; }
  CountedGdiPlus counted{NoteStandardFont};
};

TEST_F(GdiPlusLifetime, ABitmapAndAFrameStartGdiPlusOnceAndStopItOnceInEitherOrder) {
  for (const bool bitmapFirst : {true, false}) {
    ASSERT_FALSE(GDIPlusGlobals::isRunning());
    auto* bitmap = new CBitmap(4, 4);
    auto* frame = new CFrame({0, 0, 10, 10}, nullptr, nullptr);
    const int startups = counted.startups(), shutdowns = counted.shutdowns();
    EXPECT_EQ(startups, bitmapFirst ? 1 : 2);
    (bitmapFirst ? static_cast<CBaseObject*>(bitmap) : frame)->forget();
    EXPECT_EQ(counted.shutdowns(), shutdowns);
    (bitmapFirst ? static_cast<CBaseObject*>(frame) : bitmap)->forget();
    EXPECT_EQ(counted.shutdowns(), shutdowns + 1) << (bitmapFirst ? "bitmap first" : "frame first");
    EXPECT_FALSE(GDIPlusGlobals::isRunning());
  }
}

TEST_F(GdiPlusLifetime, CachedFontsAreDeletedBeforeGdiPlusStops) {
  {
    const GdiPlusSession gdiplus;
    StandardFont(0)->platformFont();
    EXPECT_TRUE(StandardFont(0)->hasPlatformFont());
  }
  EXPECT_EQ(counted.shutdowns(), 1);
  EXPECT_FALSE(standardFontHeldAtShutdown);
  EXPECT_FALSE(StandardFont(0)->hasPlatformFont());
}

TEST_F(GdiPlusLifetime, ReleaseWithoutAcquireChangesNothing) {
  GDIPlusGlobals::release();
  EXPECT_EQ(counted.shutdowns(), 0);
  EXPECT_FALSE(GDIPlusGlobals::isRunning());
}

}  // namespace
