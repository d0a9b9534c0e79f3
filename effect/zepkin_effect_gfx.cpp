#include <cmath>

#include "effect/zepkin_effect.h"
#include "runtime/adaptor_services.h"
#include "runtime/finite_or_zero.h"
#include "runtime/graphics_services.h"
#include "runtime/script_conversions.h"

namespace {

constexpr double kNoColour = 0.00001;
constexpr std::int32_t kAliased = 0;
constexpr std::int32_t kFilled = 1;
// 13 pixels of line height, as a font size: 13 x 0.85.
constexpr double kFontSize = 13.0 * 0.85;

}  // namespace

void TZepkinEffect::DoGfx() {
  std::int32_t width = 0;
  std::int32_t height = 0;
  if (GfxGetSize(adaptor, &width, &height) == 1) {
    canvasWidth = FiniteOrZero(width);
    canvasHeight = FiniteOrZero(height);
  }
  seenMouseButtons = FiniteOrZero(mouseButtonBits);
  seenMouseX = FiniteOrZero(mouseX);
  seenMouseY = FiniteOrZero(mouseY);
  // NaN and values closer to 0 than this paint no background.
  if (clearColor <= -kNoColour || clearColor >= kNoColour) {
    const std::int64_t packed = PackedColorBits(clearColor);
    colorRed = static_cast<double>(packed & 0xFF) / 255.0;
    colorGreen = static_cast<double>((packed >> 8) & 0xFF) / 255.0;
    colorBlue = static_cast<double>((packed >> 16) & 0xFF) / 255.0;
    colorAlpha = 1.0;
    penX = canvasWidth;
    penY = canvasHeight;
    GfxSetFillColor(adaptor, ToChannelByte(colorRed), ToChannelByte(colorGreen), ToChannelByte(colorBlue), 255);
    GfxSetDrawMode(adaptor, kAliased);
    GfxRect(adaptor, 0.0, 0.0, std::floor(penX), std::floor(penY), kFilled);
  }
  colorBlue = colorGreen = colorRed = 0.0;
  penY = penX = 0.0;
  colorAlpha = 1.0;
  blendMode = 0.0;
  textHeight = FiniteOrZero(kFontSize / 0.85);
  SelectFontSlot(0, StringAt(kFontNameString), kFontSize);
}
