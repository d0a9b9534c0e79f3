#include <gtest/gtest.h>

#include "tests/support/pixels.h"
#include "vstgui/bitmap.h"
#include "vstgui/offscreen_context.h"

namespace {

using namespace VSTGUI;
using namespace toolkit_test;

TEST(Bitmap, ResourcePictureIsDecodedThroughTheResourceStream) {
  for (const ResourceDescription& description : {ResourceDescription(kPatternResource), ResourceDescription("PATTERN")}) {
    auto* bitmap = new CBitmap(description);
    ASSERT_EQ(bitmap->getWidth(), kPatternSize);
    ASSERT_EQ(bitmap->getHeight(), kPatternSize);
    EXPECT_EQ(bitmap->getResourceDescription().kind, description.kind);
    for (const auto& [x, y] : {std::pair{0, 0}, {49, 0}, {0, 49}, {17, 33}, {49, 49}}) {
      EXPECT_EQ(PixelAt(*bitmap, x, y), PatternPixel(x, y)) << x << "," << y;
    }
    bitmap->forget();
  }
}

TEST(Bitmap, EmptyOrMissingResourceGivesNoBitmap) {
  for (const ResourceDescription& description :
       {ResourceDescription(kEmptyResource), ResourceDescription(999), ResourceDescription("NO_SUCH_PICTURE")}) {
    auto* bitmap = new CBitmap(description);
    EXPECT_EQ(bitmap->getWidth(), 0.0);
    EXPECT_EQ(bitmap->getHeight(), 0.0);
    EXPECT_EQ(bitmap->platformBitmap(), nullptr);
    bitmap->forget();
  }
}

TEST(Bitmap, CopyOfAGdiPlusBitmapHoldsItsPixels) {
  auto* original = new CBitmap(ResourceDescription(kPatternResource));
  auto* copy = new CBitmapForOC(original->platformBitmap());
  original->forget();
  ASSERT_EQ(copy->getWidth(), kPatternSize);
  EXPECT_EQ(PixelAt(*copy, 12, 34), PatternPixel(12, 34));
  EXPECT_EQ(copy->getNoAlpha(), 1);
  copy->dispose();
  EXPECT_EQ(copy->getWidth(), 0.0);
  EXPECT_EQ(copy->getNoAlpha(), 0);
  copy->forget();
}

class BitmapOnSurface : public ::testing::Test {
 protected:
  BitmapOnSurface()
      : context(*new COffscreenContext(nullptr, 60, 60, kBlack)), picture(*new CBitmap(ResourceDescription(kPatternResource))) {}
  ~BitmapOnSurface() override {
    picture.forget();
    context.forget();
  }

  COffscreenContext& context;
  CBitmap& picture;
};

TEST_F(BitmapOnSurface, DrawingCopiesTheAreaAtTheOffsetUnscaled) {
  picture.drawBitmap(&context, {10, 10, 30, 30}, {5, 5});
  for (int y = 10; y < 30; ++y) {
    for (int x = 10; x < 30; ++x) ASSERT_EQ(PixelAt(context, x, y), PatternPixel(x - 5, y - 5)) << x << "," << y;
  }
  EXPECT_EQ(PixelAt(context, 9, 10), kTransparent);
  EXPECT_EQ(PixelAt(context, 30, 29), kTransparent);
  EXPECT_EQ(InkBounds(context), (ViewRect{10, 10, 30, 30}));
}

TEST_F(BitmapOnSurface, FullAlphaDrawsThePixelsExactly) {
  picture.drawBitmapAlpha(&context, {0, 0, 50, 50}, {0, 0}, 255);
  for (int y = 0; y < 50; y += 7) {
    for (int x = 0; x < 50; x += 7) EXPECT_EQ(PixelAt(context, x, y), PatternPixel(x, y));
  }
}

TEST_F(BitmapOnSurface, HalfAlphaDrawsAtAboutHalfOpacity) {
  context.setFillColor(kBlack);
  context.drawRectangle({0, 0, 60, 60}, kDrawFilled);
  picture.drawBitmapAlpha(&context, {0, 0, 50, 50}, {0, 0}, 128);
  // Over black, each channel comes out at about half of the picture's.
  const Argb pixel = PixelAt(context, 40, 20);
  EXPECT_NEAR(int((pixel >> 16) & 0xFF), 40 * 5 / 2, 3);
  EXPECT_NEAR(int((pixel >> 8) & 0xFF), 20 * 5 / 2, 3);
  EXPECT_NEAR(int(pixel & 0xFF), 100, 3);
  picture.drawBitmapAlpha(&context, {0, 0, 50, 50}, {0, 0}, 0);
  EXPECT_EQ(PixelAt(context, 40, 20), pixel);
}

TEST_F(BitmapOnSurface, DrawingFollowsTheContextsOffset) {
  context.setDrawOffset({7, 3});
  picture.drawBitmap(&context, {0, 0, 10, 10});
  EXPECT_EQ(PixelAt(context, 7, 3), PatternPixel(0, 0));
  EXPECT_EQ(InkBounds(context), (ViewRect{7, 3, 17, 13}));
}

TEST(Bitmap, TransparentColourAndNoAlphaFlagAreKept) {
  auto* bitmap = new CBitmap(8, 4);
  EXPECT_EQ(bitmap->getWidth(), 8.0);
  EXPECT_EQ(bitmap->getHeight(), 4.0);
  EXPECT_EQ(bitmap->getTransparentColor(), (RgbaColor{255, 255, 255, 0}));
  bitmap->setTransparentColor({1, 2, 3, 4});
  EXPECT_EQ(bitmap->getTransparentColor(), (RgbaColor{1, 2, 3, 4}));
  EXPECT_EQ(bitmap->getNoAlpha(), 1);
  EXPECT_TRUE(bitmap->loadFromResource(ResourceDescription(999)));
  EXPECT_EQ(bitmap->getWidth(), 0.0);
  EXPECT_TRUE(bitmap->loadFromResource(ResourceDescription(kPatternResource)));
  EXPECT_EQ(bitmap->getWidth(), kPatternSize);
  bitmap->forget();
}

}  // namespace
