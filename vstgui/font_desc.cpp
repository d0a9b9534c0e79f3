#include "vstgui/font_desc.h"

#include <cstdlib>
#include <cstring>

namespace VSTGUI {

namespace {

CFontDesc* firstWithFont = nullptr;

// Family names are at most this many wide characters, terminator included.
constexpr std::size_t kFamilyNameLength = 200;

std::int32_t GdiPlusStyle(std::int32_t style) {
  if (style & kUnderlineFace) return Gdiplus::FontStyleUnderline;
  if (style & kItalicFace) return Gdiplus::FontStyleItalic;
  if (style & kBoldFace) return Gdiplus::FontStyleBold;
  return Gdiplus::FontStyleRegular;
}

// Widened in the current locale, as the C library does it; a name it cannot convert
// names no family.
void WidenFamilyName(const char* name, wchar_t (&wide)[kFamilyNameLength]) {
  wide[0] = L'\0';
  if (!name) return;
  const std::size_t count = std::mbstowcs(wide, name, kFamilyNameLength - 1);
  wide[count == static_cast<std::size_t>(-1) ? 0 : count] = L'\0';
}

}  // namespace

CFontDesc::CFontDesc(const char* name, double size, std::int32_t style) : size_(size), style_(style) {
  if (name) name_ = name;
}

CFontDesc::CFontDesc(const CFontDesc& other) : CBaseObject(), name_(other.name_), size_(other.size_), style_(other.style_) {}

CFontDesc& CFontDesc::operator=(const CFontDesc& other) {
  if (this == &other) return *this;
  deletePlatformFont();
  name_ = other.name_;
  size_ = other.size_;
  style_ = other.style_;
  return *this;
}

CFontDesc::~CFontDesc() { deletePlatformFont(); }

void CFontDesc::setName(const char* name) {
  if (!name) {
    deletePlatformFont();
    name_.reset();
    return;
  }
  if (name_ && *name_ == name) return;
  deletePlatformFont();
  name_ = name;
}

void CFontDesc::setSize(double size) {
  deletePlatformFont();
  size_ = size;
}

void CFontDesc::setStyle(std::int32_t style) {
  deletePlatformFont();
  style_ = style;
}

bool CFontDesc::operator==(const CFontDesc& other) const {
  return name_ == other.name_ && size_ == other.size_ && style_ == other.style_;
}

Gdiplus::GpFont* CFontDesc::platformFont() {
  if (fontMade_) return font_.get();
  wchar_t family[kFamilyNameLength];
  WidenFamilyName(getName(), family);
  FontFamilyRecord familyRecord;
  if (familyRecord.keep(gdip::GdipCreateFontFamilyFromName(family, nullptr, familyRecord.receive()))) {
    font_.keep(gdip::GdipCreateFont(familyRecord.get(), static_cast<Gdiplus::REAL>(size_), GdiPlusStyle(style_),
                                    Gdiplus::UnitPixel, font_.receive()));
  } else {
    font_.keep(familyRecord.lastStatus());
  }
  fontMade_ = true;
  nextWithFont_ = firstWithFont;
  if (firstWithFont) firstWithFont->previousWithFont_ = this;
  firstWithFont = this;
  return font_.get();
}

void CFontDesc::deletePlatformFont() {
  if (!fontMade_) return;
  font_.reset();
  fontMade_ = false;
  if (previousWithFont_) previousWithFont_->nextWithFont_ = nextWithFont_;
  if (nextWithFont_) nextWithFont_->previousWithFont_ = previousWithFont_;
  if (firstWithFont == this) firstWithFont = nextWithFont_;
  previousWithFont_ = nextWithFont_ = nullptr;
}

void CFontDesc::deleteAllPlatformFonts() {
  while (firstWithFont) firstWithFont->deletePlatformFont();
}

namespace {
// Made when the module loads, and never released: every reference taken on them is
// given back.
CFontDesc standardFonts[kStandardFontCount] = {
    CFontDesc("Arial", 12), CFontDesc("Arial", 18), CFontDesc("Arial", 14), CFontDesc("Arial", 12),
    CFontDesc("Arial", 11), CFontDesc("Arial", 10), CFontDesc("Arial", 9),  CFontDesc("Symbol", 13),
};
}  // namespace

CFontDesc* StandardFont(int index) {
  return index >= 0 && index < kStandardFontCount ? &standardFonts[index] : nullptr;
}

}  // namespace VSTGUI
