#pragma once

#include <cstdint>

#include "vstgui/base_object.h"
#include "vstgui/font_desc.h"
#include "vstgui/gdiplus_globals.h"
#include "vstgui/gdiplus_record.h"
#include "vstgui/live_objects.h"
#include "vstgui/view_types.h"

namespace VSTGUI {

class CFrame;

// Every pixel of the editor is drawn through a context: a thin, stateful layer over a
// GDI+ graphics object. It keeps the pen, the brushes, the font, the clip and a
// coordinate offset, and skips GDI+ calls whose state has not changed. Coordinates
// given to it are local; the offset is added to give device coordinates.
class CDrawContext : public CBaseObject {
 public:
  // On the given device context, or else on the window's own (taken with GetDC and
  // given back when the context goes); without either, nothing is drawn.
  CDrawContext(CFrame* frame, HDC systemContext, HWND window);
  ~CDrawContext() override;

  void movePenTo(const ViewPoint& point);
  void drawLineTo(const ViewPoint& point);
  // Segment i runs from points[2i] to points[2i + 1].
  void drawSegments(const ViewPoint* points, std::int32_t segmentCount);
  void drawPolygon(const ViewPoint* points, std::int32_t count, DrawStyle style, bool closed);
  void drawRectangle(const ViewRect& rect, DrawStyle style);
  void drawEllipse(const ViewRect& rect, DrawStyle style);
  // Degrees, clockwise from the positive x axis, from start to end.
  void drawArc(const ViewRect& rect, float startAngle, float endAngle, DrawStyle style);
  void drawPixel(const ViewPoint& point, const RgbaColor& color);
  // Pixels cannot be read back: always opaque black.
  RgbaColor readPixel(const ViewPoint& point) const;

  // UTF-8 text whose line ends at `point.y`: the line box spans the font's height
  // above it.
  void drawTextAt(const char* text, const ViewPoint& point, bool antialias);
  // Left (0), right (2) or centred (any other value) in the rectangle, centred
  // vertically, clipped to the rectangle.
  void drawTextInRect(const char* text, const ViewRect& rect, std::int32_t alignment, bool antialias);
  void drawTextInRect(const char* text, const ViewRect& rect, std::int32_t alignment);
  // Width in pixels in the current font, or -1 when there is nothing to measure with.
  double measureText(const char* text);

  void setStrokeColor(const RgbaColor& color);
  void setFillColor(const RgbaColor& color);
  void setTextColor(const RgbaColor& color);
  void setLineWidth(double width);
  void setLineStyle(std::int32_t style);
  void setDrawMode(std::int32_t mode);
  RgbaColor getStrokeColor() const { return strokeColor_; }
  RgbaColor getFillColor() const { return fillColor_; }
  RgbaColor getTextColor() const { return textColor_; }
  double getLineWidth() const { return lineWidth_; }

  // Local coordinates; the context keeps the clip in device coordinates.
  void setClipRect(const ViewRect& clip);
  ViewRect getClipRect() const;

  // Size <= 0 keeps the font's size, style -1 keeps its style; when both are kept
  // the font itself is shared, otherwise the context makes a description of its own.
  void setFont(CFontDesc* font, std::int32_t size = 0, std::int32_t style = -1);
  CFontDesc* currentFont() const { return font_.get(); }

  // The pointer's position relative to the target window (not to the offset).
  void mouseLocation(ViewPoint& point) const;

  const ViewPoint& getDrawOffset() const { return drawOffset_; }
  void setDrawOffset(const ViewPoint& offset) { drawOffset_ = offset; }
  const ViewPoint& getWindowOrigin() const { return windowOrigin_; }
  void setWindowOrigin(const ViewPoint& origin) { windowOrigin_ = origin; }
  const ViewPoint& getPenPosition() const { return penPosition_; }
  CFrame* getFrame() const { return frame_; }
  Gdiplus::GpGraphics* platformGraphics() const { return graphics_.get(); }

 protected:
  // For a context that draws into an image of its own instead of a device context.
  void createImageGraphics(Gdiplus::GpImage* image);
  void deleteGraphics() { graphics_.reset(); }

 private:
  void createGraphics(HDC context);
  // The rectangle with its corners ordered, offset into device coordinates.
  ViewRect orderedDeviceRect(const ViewRect& rect) const;
  void applyDefaults();
  Gdiplus::GpFont* textFont();

  GdiPlusSession gdiplus_;
  ViewPoint windowOrigin_;
  ViewPoint drawOffset_;
  HDC systemContext_;
  HWND window_;
  CFrame* frame_;
  bool ownsSystemContext_ = false;
  SharedObject<CFontDesc> font_;
  RgbaColor textColor_;
  ViewPoint penPosition_;
  double lineWidth_ = 0.0;
  RgbaColor strokeColor_;
  RgbaColor fillColor_;
  std::int32_t lineStyle_ = kLineOnOff;
  std::int32_t drawMode_ = kAntiAliasing;
  ViewRect clip_;
  GraphicsRecord graphics_;
  PenRecord pen_;
  SolidBrushRecord fillBrush_;
  SolidBrushRecord textBrush_;
  LiveObjectTally<ToolkitObject::drawContext> tally_;
};

// A GDI+ ARGB word from a toolkit colour.
constexpr Gdiplus::ARGB ToArgb(const RgbaColor& color) {
  return (static_cast<Gdiplus::ARGB>(color.alpha) << 24) | (static_cast<Gdiplus::ARGB>(color.red) << 16) |
         (static_cast<Gdiplus::ARGB>(color.green) << 8) | color.blue;
}

}  // namespace VSTGUI
