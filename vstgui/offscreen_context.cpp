#include "vstgui/offscreen_context.h"

namespace VSTGUI {

COffscreenContext::COffscreenContext(CFrame* frame, double width, double height, const RgbaColor& background)
    : CDrawContext(frame, nullptr, nullptr), bitmap_(nullptr), height_(height), width_(width), background_(background) {
  setClipRect({0.0, 0.0, width, height});
  bitmap_ = new CBitmap(width, height);
  createImageGraphics(bitmap_->platformBitmap());
}

COffscreenContext::~COffscreenContext() {
  // The graphics object draws into the bitmap, so it goes first.
  deleteGraphics();
  bitmap_->forget();
}

}  // namespace VSTGUI
