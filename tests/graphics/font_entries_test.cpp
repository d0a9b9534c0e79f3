#include "runtime/graphics_services.h"
#include "tests/graphics/drawing_pass.h"
#include "vstgui/font_desc.h"
#include "vstgui/live_objects.h"

namespace {

using namespace toolkit_test;
namespace gdip = VSTGUI::gdip;
using VSTGUI::CFontDesc;

constexpr const char* kInstalledFamily = "DejaVu Sans";

const CFontDesc& CacheEntry(CDorn* plugin, std::size_t index) {
  return *static_cast<const CFontDesc*>(plugin->fontCache.at(index));
}

TEST_F(DrawingPass, AFamilyInCapitalsAfterSmallLettersIsOneCacheEntry) {
  EXPECT_EQ(GfxSetFont(plugin(), "dejavu sans", 12, 0), 1);
  EXPECT_EQ(GfxSetFont(plugin(), "DEJAVU SANS", 12, 0), 1);
  EXPECT_EQ(GfxSetFont(plugin(), "Liberation Sans", 12, 0), 1);
  EXPECT_EQ(GfxSetFont(plugin(), "DejaVu Sans", 12, 0), 1);
  ASSERT_EQ(plugin()->fontCache.size(), 2u);
  EXPECT_STREQ(CacheEntry(plugin(), 0).getName(), "dejavu sans");
}

TEST_F(DrawingPass, TheLastSizeOfAPassCountsAndTheCacheKeepsSizeZero) {
  GfxSetFont(plugin(), kInstalledFamily, 10, 0);
  GfxSetFont(plugin(), kInstalledFamily, 20, 0);
  EXPECT_EQ(GfxGetFontSize(plugin()), 20);
  ASSERT_EQ(plugin()->fontCache.size(), 1u);
  EXPECT_EQ(CacheEntry(plugin(), 0).getSize(), 0.0);
  GfxSetFont(plugin(), kInstalledFamily, 0, 0);
  EXPECT_EQ(surface.currentFont(), &CacheEntry(plugin(), 0)) << "size 0 and style 0: the entry itself";
  EXPECT_EQ(GfxGetFontSize(plugin()), 0);
}

TEST_F(DrawingPass, OneStyleBitCountsUnderlineBeforeItalicBeforeBold) {
  const struct {
    std::int32_t style;
    INT expected;
  } cases[] = {{6, Gdiplus::FontStyleUnderline}, {3, Gdiplus::FontStyleItalic}, {1, Gdiplus::FontStyleBold}};
  for (const auto& c : cases) {
    GfxSetFont(plugin(), kInstalledFamily, 14, c.style);
    INT style = -1;
    gdip::GdipGetFontStyle(surface.currentFont()->platformFont(), &style);
    EXPECT_EQ(style, c.expected) << "style " << c.style;
  }
}

TEST_F(DrawingPass, RightAlignedTextEndsAtTheRectanglesRightEdge) {
  GfxSetFontColor(plugin(), 255, 255, 255, 255);
  GfxSetFont(plugin(), kInstalledFamily, 16, 0);
  const double width = GfxGetStringWidth(plugin(), "HHH");
  ASSERT_GT(width, 10.0);
  EXPECT_EQ(GfxDrawStringAligned(plugin(), "HHH", 10, 10, 90, 40, 2, 1), 1);
  const VSTGUI::ViewRect ink = InkBounds(surface);
  EXPECT_NEAR(ink.right, 90, 4.0);
  EXPECT_GE(ink.top, 10);
  EXPECT_LE(ink.bottom, 40);
}

TEST_F(DrawingPass, AnUnknownFamilyIsSelectedYetMeasuresAndDrawsNothing) {
  EXPECT_EQ(GfxSetFont(plugin(), "Quorvantile Missing Sans", 16, 0), 1);
  EXPECT_EQ(GfxGetStringWidth(plugin(), "HHH"), 0.0);
  GfxDrawStringAt(plugin(), "HHH", 10, 50, 1);
  GfxDrawStringInRect(plugin(), "HHH", 0, 0, 100, 100, 0, 1);
  EXPECT_TRUE(InkBounds(surface).isEmpty());
  EXPECT_EQ(GfxGetStringWidth(plugin(), nullptr), -1.0);
}

TEST_F(DrawingPass, TranslatedFontSelectionTakesTheWholePixelsAndFallsBackOutsideAPass) {
  TZepkin& script = *bare.script();
  EXPECT_EQ(script.SelectFontSlot(3, kInstalledFamily, 11.05), 1);
  EXPECT_EQ(GfxGetFontSize(plugin()), 11);
  EXPECT_EQ(script.textHeight, 11.05 / 0.85);
  EXPECT_EQ(script.fontSlots.at(3).name, kInstalledFamily);
  EXPECT_EQ(script.fontSlots.at(3).size, 11.05);
  endPass();
  EXPECT_EQ(script.SelectFontSlot(0, "Other", 9.0), 0);
  EXPECT_EQ(plugin()->fontCache.size(), 1u);
}

TEST(FontCache, GoesWithThePlugInObject) {
  const std::int32_t fontsBefore = VSTGUI::LiveToolkitObjects(VSTGUI::ToolkitObject::font);
  {
    ScriptPlugin bare{new BareScript(), MakeCallbackTable()};
    auto* surface = new VSTGUI::COffscreenContext(nullptr, 10, 10, kBlack);
    bare.plugin()->activeDrawContext = surface;
    GfxSetFont(bare.plugin(), "A", 0, 0);
    GfxSetFont(bare.plugin(), "B", 0, 0);
    bare.plugin()->activeDrawContext = nullptr;
    surface->forget();
    EXPECT_EQ(VSTGUI::LiveToolkitObjects(VSTGUI::ToolkitObject::font), fontsBefore + 2);
  }
  EXPECT_EQ(VSTGUI::LiveToolkitObjects(VSTGUI::ToolkitObject::font), fontsBefore);
}

}  // namespace
