#include <gtest/gtest.h>

#include "vstgui/font_desc.h"
#include "vstgui/gdiplus_globals.h"

namespace {

using namespace VSTGUI;

TEST(FontDesc, GdiPlusFontTakesOneStyleUnderlineThenItalicThenBold) {
  const GdiPlusSession gdiplus;
  const struct {
    std::int32_t styleBits;
    INT expected;
  } cases[] = {{0, Gdiplus::FontStyleRegular},   {kBoldFace, Gdiplus::FontStyleBold},
               {kItalicFace, Gdiplus::FontStyleItalic}, {kBoldFace | kItalicFace, Gdiplus::FontStyleItalic},
               {kItalicFace | kUnderlineFace, Gdiplus::FontStyleUnderline},
               {7, Gdiplus::FontStyleUnderline}};
  for (const auto& c : cases) {
    CFontDesc font("DejaVu Sans", 12, c.styleBits);
    INT style = -1;
    ASSERT_NE(font.platformFont(), nullptr);
    gdip::GdipGetFontStyle(font.platformFont(), &style);
    EXPECT_EQ(style, c.expected) << "style bits " << c.styleBits;
  }
}

TEST(FontDesc, ChangingTheDescriptionMakesANewFont) {
  const GdiPlusSession gdiplus;
  CFontDesc font("DejaVu Sans", 12);
  font.platformFont();
  font.setName("DejaVu Sans");  // the same name changes nothing
  EXPECT_TRUE(font.hasPlatformFont());
  font.setSize(30);
  EXPECT_FALSE(font.hasPlatformFont());
  Gdiplus::REAL size = 0;
  gdip::GdipGetFontSize(font.platformFont(), &size);
  EXPECT_EQ(size, 30.0f);
  font.setName(nullptr);
  EXPECT_EQ(font.getName(), nullptr);
  EXPECT_EQ(font.platformFont(), nullptr);  // no family, yet the record is kept
  EXPECT_TRUE(font.hasPlatformFont());
}

TEST(FontDesc, EqualWhenNameSizeAndStyleAre) {
  EXPECT_TRUE(CFontDesc("Arial", 12) == CFontDesc("Arial", 12));
  EXPECT_FALSE(CFontDesc("Arial", 12) == CFontDesc("arial", 12));
  EXPECT_FALSE(CFontDesc("Arial", 12) == CFontDesc("Arial", 12, kBoldFace));
  CFontDesc copy(*StandardFont(7));
  EXPECT_STREQ(copy.getName(), "Symbol");
  EXPECT_EQ(copy.getSize(), 13.0);
  EXPECT_EQ(copy.getNbReference(), 1);
}

TEST(FontDesc, StandardTableHoldsEightDescriptions) {
  const double sizes[] = {12, 18, 14, 12, 11, 10, 9, 13};
  for (int i = 0; i < kStandardFontCount; ++i) {
    EXPECT_STREQ(StandardFont(i)->getName(), i == 7 ? "Symbol" : "Arial");
    EXPECT_EQ(StandardFont(i)->getSize(), sizes[i]);
    EXPECT_EQ(StandardFont(i)->getStyle(), 0);
  }
  EXPECT_EQ(StandardFont(8), nullptr);
}

}  // namespace
