#pragma once

#include <cstdint>
#include <vector>

#include "vstgui/offscreen_context.h"

namespace toolkit_test {

// 0xAARRGGBB, as GDI+ reads a pixel back.
using Argb = std::uint32_t;

constexpr Argb kTransparent = 0x00000000;
constexpr Argb kOpaqueBlack = 0xFF000000;
constexpr Argb kOpaqueRed = 0xFFFF0000;
constexpr Argb kOpaqueGreen = 0xFF00FF00;
constexpr Argb kOpaqueBlue = 0xFF0000FF;

constexpr VSTGUI::RgbaColor kRed{255, 0, 0, 255};
constexpr VSTGUI::RgbaColor kGreen{0, 255, 0, 255};
constexpr VSTGUI::RgbaColor kBlue{0, 0, 255, 255};
constexpr VSTGUI::RgbaColor kWhite{255, 255, 255, 255};
constexpr VSTGUI::RgbaColor kBlack{0, 0, 0, 255};

// Finishes what the context drew, then reads its bitmap.
Argb PixelAt(VSTGUI::COffscreenContext& context, int x, int y);
Argb PixelAt(VSTGUI::CBitmap& bitmap, int x, int y);
std::vector<Argb> AllPixels(VSTGUI::COffscreenContext& context);
// The smallest rectangle holding every pixel that is not `background`, or an empty
// rectangle when there is none.
VSTGUI::ViewRect InkBounds(VSTGUI::COffscreenContext& context, Argb background = kTransparent);

// The pattern picture of tests/support/test_pictures.rc, linked into the test program.
constexpr int kPatternResource = 101;
constexpr int kEmptyResource = 102;
constexpr int kPatternSize = 50;
constexpr Argb PatternPixel(int x, int y) {
  return 0xFF000000u | (Argb(x * 5) << 16) | (Argb(y * 5) << 8) | 200u;
}

}  // namespace toolkit_test
