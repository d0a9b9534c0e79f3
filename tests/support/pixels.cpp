#include "tests/support/pixels.h"

#include <algorithm>

namespace toolkit_test {

using namespace VSTGUI;

Argb PixelAt(CBitmap& bitmap, int x, int y) {
  Gdiplus::ARGB pixel = 0;
  gdip::GdipBitmapGetPixel(bitmap.platformBitmap(), x, y, &pixel);
  return pixel;
}

Argb PixelAt(COffscreenContext& context, int x, int y) {
  gdip::GdipFlush(context.platformGraphics(), Gdiplus::FlushIntentionSync);
  return PixelAt(*context.getBitmap(), x, y);
}

std::vector<Argb> AllPixels(COffscreenContext& context) {
  std::vector<Argb> pixels;
  for (int y = 0; y < int(context.getHeight()); ++y) {
    for (int x = 0; x < int(context.getWidth()); ++x) pixels.push_back(PixelAt(context, x, y));
  }
  return pixels;
}

ViewRect InkBounds(COffscreenContext& context, Argb background) {
  int left = int(context.getWidth()), top = int(context.getHeight()), right = -1, bottom = -1;
  for (int y = 0; y < int(context.getHeight()); ++y) {
    for (int x = 0; x < int(context.getWidth()); ++x) {
      if (PixelAt(context, x, y) == background) continue;
      left = std::min(left, x);
      top = std::min(top, y);
      right = std::max(right, x);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return {double(left), double(top), double(right + 1), double(bottom + 1)};
}

}  // namespace toolkit_test
