#include <gtest/gtest.h>

#include <limits>

#include "effect/zepkin_effect.h"
#include "graphics/view_entries.h"
#include "runtime/graphics_services.h"
#include "tests/support/pixels.h"
#include "tests/support/script_plugin.h"
#include "vstgui/offscreen_context.h"

namespace {

using namespace toolkit_test;

// The fader in a drawing pass over a surface of 120 x 80 painted blue beforehand, the
// size its editor reports.
class FaderDrawing : public ::testing::Test {
 protected:
  FaderDrawing() : surface(*new VSTGUI::COffscreenContext(nullptr, 120, 80, kBlack)) {
    fader.instance().start();
    GfxCreateEditor(fader.plugin(), 120, 80);
    surface.setFillColor(kBlue);
    surface.drawRectangle({0, 0, 120, 80}, VSTGUI::kDrawFilled);
  }
  ~FaderDrawing() override { surface.forget(); }

  TZepkinEffect& script() { return *static_cast<TZepkinEffect*>(fader.script()); }
  void pass() {
    fader.plugin()->activeDrawContext = &surface;
    OnDraw(fader.plugin(), 120, 80);
    fader.plugin()->activeDrawContext = nullptr;
  }
  std::vector<Argb> pixels() { return AllPixels(surface); }

  ScriptPlugin fader{new TZepkinEffect(), MakeCallbackTable()};
  VSTGUI::COffscreenContext& surface;
};

TEST_F(FaderDrawing, ABackgroundColourPaintsTheWholeAreaThenTheStateIsReset) {
  script().clearColor = 255;
  pass();
  for (const Argb pixel : pixels()) ASSERT_EQ(pixel, kOpaqueRed);
  EXPECT_EQ(script().canvasWidth, 120.0);
  EXPECT_EQ(script().canvasHeight, 80.0);
  EXPECT_EQ(script().colorRed, 0.0);
  EXPECT_EQ(script().colorAlpha, 1.0);
  EXPECT_EQ(script().penX, 0.0);
  EXPECT_EQ(script().penY, 0.0);
  EXPECT_EQ(script().blendMode, 0.0);
  EXPECT_EQ(script().textHeight, 12.999999999999998);
  const FontSlot& font = script().fontSlots.at(0);
  EXPECT_EQ(font.name, "Courier New");
  EXPECT_EQ(font.size, 11.049999999999999);
  EXPECT_EQ(font.style, 0);
  ASSERT_NE(surface.currentFont(), nullptr);
  EXPECT_STREQ(surface.currentFont()->getName(), "Courier New");
  EXPECT_EQ(surface.currentFont()->getSize(), 11.0);
}

TEST_F(FaderDrawing, NoColourOrOneCloserToZeroThanATenThousandthPaintsNothing) {
  const std::vector<Argb> before = pixels();
  for (const double colour : {0.0, 0.000001, -0.000009, std::numeric_limits<double>::quiet_NaN()}) {
    script().clearColor = colour;
    pass();
    EXPECT_EQ(pixels(), before) << colour;
  }
}

TEST_F(FaderDrawing, PackedColoursSplitIntoTheirBytes) {
  const struct {
    double packed;
    Argb expected;
  } cases[] = {{-1, 0xFFFFFFFF}, {0x123456 + 0.9, 0xFF563412}, {0x0000FF00, kOpaqueGreen}};
  for (const auto& c : cases) {
    script().clearColor = c.packed;
    pass();
    EXPECT_EQ(PixelAt(surface, 60, 40), c.expected) << c.packed;
  }
}

TEST(FaderDrawingWithoutEditor, KeepsTheCanvasAndPaintsNothing) {
  ScriptPlugin fader{new TZepkinEffect(), MakeCallbackTable()};
  fader.instance().start();
  auto& script = *static_cast<TZepkinEffect*>(fader.script());
  script.clearColor = 255;
  script.canvasWidth = 7;
  auto* surface = new VSTGUI::COffscreenContext(nullptr, 20, 20, kBlack);
  fader.plugin()->activeDrawContext = surface;
  script.DoGfx();
  fader.plugin()->activeDrawContext = nullptr;
  EXPECT_EQ(script.canvasWidth, 7.0);
  EXPECT_EQ(script.canvasHeight, 0.0);
  EXPECT_TRUE(InkBounds(*surface).isEmpty()) << "the kept width and no height: a rectangle of no area";
  surface->forget();
}

TEST(FaderDrawingOutsideAPass, FallsBackToVerdanaAndStillRecordsTheSlot) {
  ScriptPlugin fader{new TZepkinEffect(), MakeCallbackTable()};
  fader.instance().start();
  auto& script = *static_cast<TZepkinEffect*>(fader.script());
  script.DoGfx();
  EXPECT_EQ(script.fontSlots.at(0).name, "Courier New");
  EXPECT_TRUE(fader.plugin()->fontCache.empty());
}

}  // namespace
