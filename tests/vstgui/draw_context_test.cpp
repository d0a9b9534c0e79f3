#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/support/pixels.h"
#include "vstgui/offscreen_context.h"

namespace {

using namespace VSTGUI;
using namespace toolkit_test;

// A 100 x 100 transparent surface.
class Surface : public ::testing::Test {
 protected:
  Surface() : context(*new COffscreenContext(nullptr, 100, 100, kBlack)) {}
  ~Surface() override { context.forget(); }
  Argb at(int x, int y) { return PixelAt(context, x, y); }

  COffscreenContext& context;
};

TEST_F(Surface, FilledAndOutlinedRectangleIsTheFillWithTheOutlineOnItsInnerEdge) {
  context.setFillColor(kRed);
  context.setStrokeColor(kBlue);
  context.drawRectangle({10, 10, 20, 20}, kDrawFilledAndStroked);
  for (int y = 9; y <= 20; ++y) {
    for (int x = 9; x <= 20; ++x) {
      const bool inside = x >= 10 && x <= 19 && y >= 10 && y <= 19;
      const bool edge = inside && (x == 10 || x == 19 || y == 10 || y == 19);
      EXPECT_EQ(at(x, y), !inside ? kTransparent : edge ? kOpaqueBlue : kOpaqueRed) << x << "," << y;
    }
  }
}

TEST_F(Surface, RectangleCornersNeedNotBeOrdered) {
  context.setFillColor(kRed);
  context.drawRectangle({10, 10, 40, 30}, kDrawFilledAndStroked);
  const std::vector<Argb> ordered = AllPixels(context);
  gdip::GdipGraphicsClear(context.platformGraphics(), 0);
  context.drawRectangle({40, 30, 10, 10}, kDrawFilledAndStroked);
  EXPECT_EQ(AllPixels(context), ordered);
}

TEST_F(Surface, StylesOtherThanTheThreeDrawNothing) {
  context.drawRectangle({10, 10, 40, 40}, 3);
  context.drawEllipse({10, 10, 40, 40}, -1);
  context.drawArc({10, 10, 40, 40}, 0, 90, 7);
  EXPECT_TRUE(InkBounds(context).isEmpty());
}

TEST_F(Surface, EllipseFillsTheTruncatedBoxOnePixelShortOfItsFarEdges) {
  context.setFillColor(kRed);
  context.drawEllipse({10.7, 10.2, 30.9, 20.5}, kDrawFilled);
  const ViewRect ink = InkBounds(context);
  // Box: x 10, y 10, width trunc(20.2) - 1 = 19, height trunc(10.3) - 1 = 9.
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 10);
  EXPECT_LE(ink.right, 30);
  EXPECT_LE(ink.bottom, 20);
  EXPECT_EQ(at(20, 15), kOpaqueRed);
}

// Ink near a point of the circle inscribed in (0, 0, 90, 90), at an angle counted
// clockwise from the positive x axis.
bool InkNear(COffscreenContext& context, double degrees) {
  const double radians = degrees * 3.14159265358979 / 180.0;
  const int cx = int(45 + 45 * std::cos(radians));
  const int cy = int(45 + 45 * std::sin(radians));
  for (int y = cy - 3; y <= cy + 3; ++y) {
    for (int x = cx - 3; x <= cx + 3; ++x) {
      if (PixelAt(context, x, y) != kTransparent) return true;
    }
  }
  return false;
}

TEST_F(Surface, ArcFromAboveItsEndAngleSweepsClockwiseThroughZero) {
  context.drawArc({0, 0, 90, 90}, 350, 10, kDrawStroked);
  EXPECT_TRUE(InkNear(context, 0));
  EXPECT_FALSE(InkNear(context, 90));
  EXPECT_FALSE(InkNear(context, 180));
}

TEST_F(Surface, ArcFromTenToThreeHundredFiftySweepsTheLongWay) {
  context.drawArc({0, 0, 90, 90}, 10, 350, kDrawStroked);
  EXPECT_FALSE(InkNear(context, 0));
  EXPECT_TRUE(InkNear(context, 90));
  EXPECT_TRUE(InkNear(context, 180));
  EXPECT_TRUE(InkNear(context, 270));
}

TEST_F(Surface, LineCoordinatesAreTruncated) {
  context.movePenTo({10.9, 20.9});
  context.drawLineTo({60.99, 20.5});
  const std::vector<Argb> fractional = AllPixels(context);
  gdip::GdipGraphicsClear(context.platformGraphics(), 0);
  context.movePenTo({10, 20});
  context.drawLineTo({60, 20});
  EXPECT_EQ(AllPixels(context), fractional);
  EXPECT_EQ(context.getPenPosition(), (ViewPoint{60, 20}));
}

TEST_F(Surface, PixelLeavesStrokeColourAndWidthAsTheyWere) {
  context.setStrokeColor(kGreen);
  context.setLineWidth(3);
  context.drawPixel({30, 40}, kRed);
  EXPECT_EQ(at(30, 40), kOpaqueRed);
  EXPECT_EQ(context.getStrokeColor(), kGreen);
  EXPECT_EQ(context.getLineWidth(), 3.0);
  EXPECT_EQ(context.readPixel({30, 40}), kBlack);
}

TEST_F(Surface, OriginOffsetMovesEveryDrawing) {
  context.setDrawOffset({20, 30});
  context.setFillColor(kRed);
  context.drawRectangle({0, 0, 10, 10}, kDrawFilled);
  EXPECT_EQ(InkBounds(context), (ViewRect{20, 30, 30, 40}));
}

TEST_F(Surface, ClipLimitsDrawingAndIsKeptInLocalCoordinates) {
  context.setDrawOffset({10, 10});
  context.setClipRect({0, 0, 20, 20});
  EXPECT_EQ(context.getClipRect(), (ViewRect{0, 0, 20, 20}));
  context.setFillColor(kRed);
  context.drawRectangle({-10, -10, 90, 90}, kDrawFilled);
  EXPECT_EQ(InkBounds(context), (ViewRect{10, 10, 30, 30}));
}

TEST_F(Surface, DrawModeThreeIsAntiAliasedAndEveryOtherModeAliased) {
  // The renderer may ignore it; what matters is what the context asked GDI+ for.
  const struct {
    std::int32_t mode;
    Gdiplus::SmoothingMode expected;
  } cases[] = {{3, Gdiplus::SmoothingModeAntiAlias}, {0, Gdiplus::SmoothingModeNone},
               {3, Gdiplus::SmoothingModeAntiAlias}, {1, Gdiplus::SmoothingModeNone},
               {3, Gdiplus::SmoothingModeAntiAlias}, {2, Gdiplus::SmoothingModeNone}};
  for (const auto& c : cases) {
    context.setDrawMode(c.mode);
    Gdiplus::SmoothingMode mode = Gdiplus::SmoothingModeInvalid;
    gdip::GdipGetSmoothingMode(context.platformGraphics(), &mode);
    EXPECT_EQ(mode, c.expected) << "mode " << c.mode;
  }
}

TEST_F(Surface, NewContextDrawsWithWhiteStrokeAndBlackFill) {
  EXPECT_EQ(context.getStrokeColor(), kWhite);
  EXPECT_EQ(context.getFillColor(), kBlack);
  EXPECT_EQ(context.getTextColor(), kWhite);
  EXPECT_EQ(context.getLineWidth(), 1.0);
  EXPECT_EQ(context.currentFont(), StandardFont(0));
  context.drawRectangle({10, 10, 20, 20}, kDrawFilledAndStroked);
  EXPECT_EQ(at(10, 10), 0xFFFFFFFFu);
  EXPECT_EQ(at(15, 15), kOpaqueBlack);
}

TEST(DrawContext, WithoutASurfaceDrawsNothingButStillMovesThePen) {
  auto* context = new CDrawContext(nullptr, nullptr, nullptr);
  EXPECT_EQ(context->platformGraphics(), nullptr);
  context->drawRectangle({0, 0, 10, 10}, kDrawFilled);
  context->movePenTo({1, 2});
  context->drawLineTo({5, 6});
  EXPECT_EQ(context->getPenPosition(), (ViewPoint{5, 6}));
  EXPECT_EQ(context->measureText("text"), -1.0);
  EXPECT_EQ(context->getClipRect(), (ViewRect{0, 0, 1000, 1000}));
  context->forget();
}

TEST(DrawContext, PolygonsOfManyPointsDrawLikeFewOnes) {
  auto* context = new COffscreenContext(nullptr, 100, 100, kBlack);
  std::vector<ViewPoint> square{{10, 10}, {60, 10}, {60, 60}, {10, 60}};
  context->setFillColor(kRed);
  context->drawPolygon(square.data(), 4, kDrawFilled, true);
  const std::vector<Argb> few = AllPixels(*context);
  gdip::GdipGraphicsClear(context->platformGraphics(), 0);
  // The same square with 40 points along its top edge: past the points kept on the stack.
  std::vector<ViewPoint> many;
  for (int i = 0; i < 40; ++i) many.push_back({10 + i * 50.0 / 40, 10});
  many.insert(many.end(), {{60, 10}, {60, 60}, {10, 60}});
  context->drawPolygon(many.data(), std::int32_t(many.size()), kDrawFilled, true);
  EXPECT_EQ(AllPixels(*context), few);
  context->forget();
}

}  // namespace
