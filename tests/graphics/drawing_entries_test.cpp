#include <functional>

#include "runtime/graphics_services.h"
#include "tests/graphics/drawing_pass.h"

namespace {

using namespace toolkit_test;
namespace gdip = VSTGUI::gdip;

TEST_F(DrawingPass, OutsideAPassEveryEntryPointAnswersZeroAndDrawsNothing) {
  ImageSlot* const slot = ImageSlotCreate();
  ASSERT_EQ(ImageLoadResourceId(slot, kPatternResource), 1);
  std::int32_t out = 7;
  const std::function<double(CDorn*)> entries[] = {
      [](CDorn* p) { return GfxSetDrawMode(p, 3); },
      [](CDorn* p) { return GfxSetFontColor(p, 1, 2, 3, 4); },
      [](CDorn* p) { return GfxSetFillColor(p, 1, 2, 3, 4); },
      [](CDorn* p) { return GfxSetFrameColor(p, 1, 2, 3, 4); },
      [](CDorn* p) { return GfxMoveTo(p, 1, 2); },
      [](CDorn* p) { return GfxLineTo(p, 50, 50); },
      [](CDorn* p) { return GfxRect(p, 0, 0, 50, 50, 1); },
      [](CDorn* p) { return GfxEllipse(p, 0, 0, 50, 50, 1); },
      [](CDorn* p) { return GfxArc(p, 0, 0, 50, 50, 0, 90, 1); },
      [](CDorn* p) { return GfxSetPixel(p, 5, 5, 255, 0, 0, 255); },
      [&](CDorn* p) { return GfxGetPixel(p, 5, 5, &out, &out, &out, &out); },
      [](CDorn* p) { return GfxSetFont(p, "DejaVu Sans", 12, 0); },
      [](CDorn* p) { return GfxGetStringWidth(p, "text"); },
      [](CDorn* p) { return GfxGetFontSize(p); },
      [](CDorn* p) { return GfxDrawStringAt(p, "text", 10, 30, 1); },
      [](CDorn* p) { return GfxDrawStringAligned(p, "text", 0, 0, 90, 40, 1, 1); },
      [](CDorn* p) { return GfxDrawStringInRect(p, "text", 0, 0, 90, 40, 0, 1); },
      [&](CDorn* p) { return ImageDraw(slot, p, 0, 0, 50, 50, 0, 0); },
      [&](CDorn* p) { return ImageDrawTransparent(slot, p, 0, 0, 50, 50, 0, 0); },
      [&](CDorn* p) { return ImageDrawAlphaBlend(slot, p, 0, 0, 50, 50, 0, 0, 128); },
  };
  endPass();
  for (std::size_t i = 0; i < std::size(entries); ++i) {
    EXPECT_EQ(entries[i](plugin()), 0.0) << "entry " << i;
    EXPECT_EQ(entries[i](nullptr), 0.0) << "entry " << i << " without a plug-in object";
  }
  EXPECT_EQ(out, 7);
  EXPECT_TRUE(InkBounds(surface).isEmpty());
  EXPECT_TRUE(plugin()->fontCache.empty());
  ImageSlotFree(slot);
}

TEST_F(DrawingPass, RectangleWithSwappedCornersIsTheOrderedOne) {
  GfxSetFillColor(plugin(), 255, 0, 0, 255);
  EXPECT_EQ(GfxRect(plugin(), 60, 50, 20, 10, 2), 1);
  EXPECT_EQ(InkBounds(surface), (VSTGUI::ViewRect{20, 10, 60, 50}));
  EXPECT_EQ(at(40, 30), kOpaqueRed);
  EXPECT_EQ(at(20, 10), 0xFFFFFFFFu) << "outlined in the context's white";
}

TEST_F(DrawingPass, ChannelsTakeTheirLowByte) {
  GfxSetFillColor(plugin(), 0x1FF, 0x100, 0x280, 0x1FF);
  GfxRect(plugin(), 0, 0, 10, 10, 1);
  EXPECT_EQ(at(5, 5), 0xFFFF0080u);
}

TEST_F(DrawingPass, PixelKeepsTheStrokeColourAndWidth) {
  GfxSetFrameColor(plugin(), 0, 255, 0, 255);
  surface.setLineWidth(3);
  EXPECT_EQ(GfxSetPixel(plugin(), 30, 40, 255, 0, 0, 255), 1);
  EXPECT_EQ(at(30, 40), kOpaqueRed);
  EXPECT_EQ(surface.getStrokeColor(), (VSTGUI::RgbaColor{0, 255, 0, 255}));
  EXPECT_EQ(surface.getLineWidth(), 3.0);
}

TEST_F(DrawingPass, PixelsReadBackAsOpaqueBlack) {
  GfxSetPixel(plugin(), 30, 40, 255, 255, 255, 255);
  std::int32_t red = 9, green = 9, blue = 9, alpha = 9;
  EXPECT_EQ(GfxGetPixel(plugin(), 30, 40, &red, &green, &blue, &alpha), 1);
  EXPECT_EQ(red, 0);
  EXPECT_EQ(green, 0);
  EXPECT_EQ(blue, 0);
  EXPECT_EQ(alpha, 255);
}

TEST_F(DrawingPass, LinesRunFromThePenAndEllipsesAndArcsStayInTheirBoxes) {
  GfxMoveTo(plugin(), 10, 90);
  GfxLineTo(plugin(), 90, 90);
  EXPECT_EQ(InkBounds(surface), (VSTGUI::ViewRect{10, 90, 91, 91}));
  gdip::GdipGraphicsClear(surface.platformGraphics(), 0);
  GfxSetFillColor(plugin(), 0, 0, 255, 255);
  GfxEllipse(plugin(), 10, 10, 50, 40, 1);
  GfxArc(plugin(), 60, 10, 90, 40, 90, 180, 0);
  const VSTGUI::ViewRect ink = InkBounds(surface);
  EXPECT_EQ(at(30, 25), kOpaqueBlue);
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.right, 91);
  EXPECT_LE(ink.bottom, 41);
}

TEST_F(DrawingPass, DrawModeThreeAloneIsAntiAliased) {
  Gdiplus::SmoothingMode mode{};
  GfxSetDrawMode(plugin(), 3);
  gdip::GdipGetSmoothingMode(surface.platformGraphics(), &mode);
  EXPECT_EQ(mode, Gdiplus::SmoothingModeAntiAlias);
  GfxSetDrawMode(plugin(), 1);
  gdip::GdipGetSmoothingMode(surface.platformGraphics(), &mode);
  EXPECT_EQ(mode, Gdiplus::SmoothingModeNone);
}

}  // namespace
