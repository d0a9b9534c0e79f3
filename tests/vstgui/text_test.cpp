#include <gtest/gtest.h>

#include "tests/support/pixels.h"
#include "vstgui/offscreen_context.h"

namespace {

using namespace VSTGUI;
using namespace toolkit_test;

// Wine's GDI+ finds installed families only: these come with the test machine's fonts.
constexpr const char* kInstalledFamily = "DejaVu Sans";
constexpr const char* kMissingFamily = "Quorvantile Missing Sans";

class TextSurface : public ::testing::Test {
 protected:
  TextSurface() : context(*new COffscreenContext(nullptr, 200, 60, kBlack)), font(new CFontDesc(kInstalledFamily, 16)) {
    context.setFont(font);
  }
  ~TextSurface() override {
    context.forget();
    font->forget();
  }

  COffscreenContext& context;
  CFontDesc* font;
};

TEST_F(TextSurface, TextSitsOnThePointAsItsBottomEdge) {
  context.drawTextAt("Hx", {20, 40}, true);
  const ViewRect ink = InkBounds(context);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_LE(ink.bottom, 41);
  EXPECT_GT(ink.bottom, 30);
  EXPECT_GE(ink.left, 20);
}

TEST_F(TextSurface, AlignmentPlacesTheTextInTheRectangle) {
  const double width = context.measureText("HHHH");
  ASSERT_GT(width, 20.0);
  const struct {
    std::int32_t alignment;
    double expectedCentre;
  } cases[] = {{0, 10 + width / 2}, {2, 190 - width / 2}, {1, 100}, {5, 100}};
  for (const auto& c : cases) {
    gdip::GdipGraphicsClear(context.platformGraphics(), 0);
    context.drawTextInRect("HHHH", {10, 10, 190, 50}, c.alignment, true);
    const ViewRect ink = InkBounds(context);
    ASSERT_FALSE(ink.isEmpty()) << c.alignment;
    // Glyph bearings and the backend's metrics leave a few pixels either way.
    EXPECT_NEAR((ink.left + ink.right) / 2, c.expectedCentre, 4.0) << "alignment " << c.alignment;
  }
}

TEST_F(TextSurface, TextInARectangleIsClippedToItAndTheClipIsRestored) {
  context.setClipRect({0, 0, 150, 60});
  context.drawTextInRect("HHHHHHHHHHHH", {30, 10, 60, 50}, 0, true);
  const ViewRect ink = InkBounds(context);
  EXPECT_GE(ink.left, 30);
  EXPECT_LE(ink.right, 60);
  EXPECT_EQ(context.getClipRect(), (ViewRect{0, 0, 150, 60}));
  // The restored clip is GDI+'s as well: drawing outside the rectangle shows again.
  context.setFillColor(kRed);
  context.drawRectangle({100, 0, 110, 10}, kDrawFilled);
  EXPECT_EQ(PixelAt(context, 105, 5), kOpaqueRed);
  EXPECT_EQ(PixelAt(context, 155, 5), kTransparent);
}

TEST_F(TextSurface, AntiAliasingAsksForClearTypeAndOtherwiseTheSystemDefault) {
  Gdiplus::TextRenderingHint hint = Gdiplus::TextRenderingHintAntiAlias;
  context.drawTextAt("a", {10, 30}, true);
  gdip::GdipGetTextRenderingHint(context.platformGraphics(), &hint);
  EXPECT_EQ(hint, Gdiplus::TextRenderingHintClearTypeGridFit);
  context.drawTextAt("a", {10, 30}, false);
  gdip::GdipGetTextRenderingHint(context.platformGraphics(), &hint);
  EXPECT_EQ(hint, Gdiplus::TextRenderingHintSystemDefault);
}

TEST_F(TextSurface, AMissingFamilyMeasuresZeroAndDrawsNothing) {
  auto* const missing = new CFontDesc(kMissingFamily, 16);
  context.setFont(missing);
  EXPECT_EQ(context.measureText("HHHH"), 0.0);
  context.drawTextAt("HHHH", {10, 40}, true);
  context.drawTextInRect("HHHH", {0, 0, 200, 60}, 1, true);
  EXPECT_TRUE(InkBounds(context).isEmpty());
  missing->forget();
}

TEST_F(TextSurface, TextIsUtf8) {
  // "Ä" as UTF-8 measures like itself, not like the two bytes read as Latin-1.
  EXPECT_NEAR(context.measureText("\xC3\x84"), context.measureText("A"), 2.0);
  EXPECT_EQ(context.measureText(nullptr), -1.0);
}

TEST_F(TextSurface, FontOfTheSameSizeAndStyleIsSharedAndAnyOtherIsTheContextsOwn) {
  const std::int32_t before = font->getNbReference();
  context.setFont(font, 0, -1);
  EXPECT_EQ(context.currentFont(), font);
  EXPECT_EQ(font->getNbReference(), before);  // the context held it already
  context.setFont(font, 20, -1);
  ASSERT_NE(context.currentFont(), font);
  EXPECT_EQ(context.currentFont()->getSize(), 20.0);
  EXPECT_EQ(context.currentFont()->getStyle(), 0);
  EXPECT_EQ(font->getNbReference(), before - 1);
  context.setFont(font, 0, kItalicFace);
  EXPECT_EQ(context.currentFont()->getSize(), 16.0);
  EXPECT_EQ(context.currentFont()->getStyle(), kItalicFace);
}

}  // namespace
