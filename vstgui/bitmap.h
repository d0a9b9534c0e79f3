#pragma once

#include <cstdint>
#include <string>

#include "vstgui/base_object.h"
#include "vstgui/gdiplus_globals.h"
#include "vstgui/gdiplus_record.h"
#include "vstgui/live_objects.h"
#include "vstgui/view_types.h"

namespace VSTGUI {

class CDrawContext;

// A bitmap resource of type "DATA" in the module, by number or by name.
struct ResourceDescription {
  enum Kind : std::int32_t { kIntegerKind = 0, kStringKind = 1, kNoResourceKind = 2 };

  ResourceDescription() = default;
  explicit ResourceDescription(std::int32_t identifier) : kind(kIntegerKind), id(identifier) {}
  explicit ResourceDescription(const char* resourceName) : kind(kStringKind), name(resourceName ? resourceName : "") {}

  std::int32_t kind = kNoResourceKind;
  std::int32_t id = 0;
  std::string name;
};

// A GDI+ bitmap: decoded from a module resource, copied from another GDI+ bitmap, or
// empty of a given size (the target of an offscreen context). A bitmap that could not
// be loaded has width and height 0.
class CBitmap : public CBaseObject {
 public:
  explicit CBitmap(const ResourceDescription& description);
  // Copies the pixels; the caller keeps and disposes its own bitmap.
  explicit CBitmap(Gdiplus::GpBitmap* source);
  CBitmap(double width, double height);
  ~CBitmap() override;

  // Copies the area that starts at `offset` in this bitmap and has the rectangle's
  // size into the rectangle, unscaled.
  virtual void drawBitmap(CDrawContext* context, const ViewRect& rect, const ViewPoint& offset = {});
  // The same; the transparent colour is kept for callers, not used in drawing.
  virtual void drawTransparent(CDrawContext* context, const ViewRect& rect, const ViewPoint& offset = {});
  // As drawBitmap with the bitmap's alpha scaled by alpha / 255.
  virtual void drawBitmapAlpha(CDrawContext* context, const ViewRect& rect, const ViewPoint& offset,
                               std::uint8_t alpha);
  virtual void dispose();
  // Always answers true; width and height tell whether a bitmap was made.
  virtual bool loadFromResource(const ResourceDescription& description);

  double getWidth() const { return width_; }
  double getHeight() const { return height_; }
  const ResourceDescription& getResourceDescription() const { return resource_; }
  RgbaColor getTransparentColor() const { return transparentColor_; }
  void setTransparentColor(const RgbaColor& color) { transparentColor_ = color; }
  std::uint8_t getNoAlpha() const { return noAlpha_; }
  void setNoAlpha(std::uint8_t flag) { noAlpha_ = flag; }
  Gdiplus::GpBitmap* platformBitmap() const { return bitmap_.get(); }

 private:
  void copyFrom(Gdiplus::GpBitmap* source);
  void decodeResource(HINSTANCE module, const ResourceDescription& description);
  void readSize();

  GdiPlusSession gdiplus_;
  ResourceDescription resource_;
  double width_ = 0.0;
  double height_ = 0.0;
  RgbaColor transparentColor_{255, 255, 255, 0};
  std::uint8_t noAlpha_ = 1;
  BitmapRecord bitmap_;
  LiveObjectTally<ToolkitObject::bitmap> tally_;
};

// A bitmap that an offscreen context made from a GDI+ bitmap of its own.
class CBitmapForOC final : public CBitmap {
 public:
  explicit CBitmapForOC(Gdiplus::GpBitmap* source) : CBitmap(source) {}
  ~CBitmapForOC() override = default;
};

}  // namespace VSTGUI
