#include "runtime/zepkin_fonts.h"

#include "runtime/finite_or_zero.h"
#include "runtime/graphics_services.h"
#include "runtime/script_conversions.h"

namespace {
// The text line is this much taller than the font's pixel size.
constexpr double kSizeToLineHeight = 0.85;
}

std::int32_t CZepkinFonts::SelectFontSlot(std::int32_t slot, const std::string& family, double size) {
  textHeight = FiniteOrZero(size / kSizeToLineHeight);
  FontSlot& selected = fontSlots[slot];
  selected.name = family;
  selected.size = size;
  selected.style = 0;
  const std::int32_t pixels = ToIntNudged(size);
  const std::int32_t answer = GfxSetFont(adaptor, family.c_str(), pixels, 0);
  return answer ? answer : GfxSetFont(adaptor, "verdana", pixels, 0);
}
