#pragma once

#include "vstgui/bitmap.h"
#include "vstgui/draw_context.h"

namespace VSTGUI {

// A context that draws into a bitmap of its own instead of a window: the frame's back
// buffer and a container's offscreen drawing use it. The background colour is kept,
// not painted: the bitmap starts transparent.
class COffscreenContext final : public CDrawContext {
 public:
  COffscreenContext(CFrame* frame, double width, double height, const RgbaColor& background);
  ~COffscreenContext() override;

  CBitmap* getBitmap() const { return bitmap_; }
  double getWidth() const { return width_; }
  double getHeight() const { return height_; }
  RgbaColor getBackgroundColor() const { return background_; }

 private:
  CBitmap* bitmap_;
  double height_;
  double width_;
  RgbaColor background_;
};

}  // namespace VSTGUI
