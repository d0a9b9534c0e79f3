#include "runtime/drawing_services.h"

#include <atomic>

#include "runtime/graphics_services.h"

namespace {

std::atomic<const DrawingServices*> installedServices{nullptr};

// Calls the installed entry; without one, the answer outside a drawing pass: zero.
template <class Result, class... Parameters, class... Arguments>
Result Forward(Result (*DrawingServices::*entry)(Parameters...), Arguments... arguments) {
  const DrawingServices* const services = installedServices.load(std::memory_order_acquire);
  const auto function = services ? services->*entry : nullptr;
  return function ? function(arguments...) : Result{};
}

}  // namespace

void InstallDrawingServices(const DrawingServices* services) {
  installedServices.store(services, std::memory_order_release);
}

std::int32_t GfxCreateEditor(CDorn* plugin, std::int32_t width, std::int32_t height) {
  return Forward(&DrawingServices::GfxCreateEditor, plugin, width, height);
}
std::int32_t GfxGetSize(CDorn* plugin, std::int32_t* width, std::int32_t* height) {
  return Forward(&DrawingServices::GfxGetSize, plugin, width, height);
}
std::int32_t GfxRedraw(CDorn* plugin) { return Forward(&DrawingServices::GfxRedraw, plugin); }

std::int32_t GfxSetDrawMode(CDorn* plugin, std::int32_t mode) {
  return Forward(&DrawingServices::GfxSetDrawMode, plugin, mode);
}
std::int32_t GfxSetFontColor(CDorn* plugin, std::int32_t red, std::int32_t green, std::int32_t blue,
                             std::int32_t alpha) {
  return Forward(&DrawingServices::GfxSetFontColor, plugin, red, green, blue, alpha);
}
std::int32_t GfxSetFillColor(CDorn* plugin, std::int32_t red, std::int32_t green, std::int32_t blue,
                             std::int32_t alpha) {
  return Forward(&DrawingServices::GfxSetFillColor, plugin, red, green, blue, alpha);
}
std::int32_t GfxSetFrameColor(CDorn* plugin, std::int32_t red, std::int32_t green, std::int32_t blue,
                              std::int32_t alpha) {
  return Forward(&DrawingServices::GfxSetFrameColor, plugin, red, green, blue, alpha);
}
std::int32_t GfxMoveTo(CDorn* plugin, double x, double y) { return Forward(&DrawingServices::GfxMoveTo, plugin, x, y); }
std::int32_t GfxLineTo(CDorn* plugin, double x, double y) { return Forward(&DrawingServices::GfxLineTo, plugin, x, y); }
std::int32_t GfxRect(CDorn* plugin, double left, double top, double right, double bottom, std::int32_t style) {
  return Forward(&DrawingServices::GfxRect, plugin, left, top, right, bottom, style);
}
std::int32_t GfxEllipse(CDorn* plugin, double left, double top, double right, double bottom, std::int32_t style) {
  return Forward(&DrawingServices::GfxEllipse, plugin, left, top, right, bottom, style);
}
std::int32_t GfxArc(CDorn* plugin, double left, double top, double right, double bottom, double startAngle,
                    double endAngle, std::int32_t style) {
  return Forward(&DrawingServices::GfxArc, plugin, left, top, right, bottom, startAngle, endAngle, style);
}
std::int32_t GfxSetPixel(CDorn* plugin, double x, double y, std::int32_t red, std::int32_t green, std::int32_t blue,
                         std::int32_t alpha) {
  return Forward(&DrawingServices::GfxSetPixel, plugin, x, y, red, green, blue, alpha);
}
std::int32_t GfxGetPixel(CDorn* plugin, double x, double y, std::int32_t* red, std::int32_t* green,
                         std::int32_t* blue, std::int32_t* alpha) {
  return Forward(&DrawingServices::GfxGetPixel, plugin, x, y, red, green, blue, alpha);
}

std::int32_t GfxSetFont(CDorn* plugin, const char* family, std::int32_t size, std::int32_t style) {
  return Forward(&DrawingServices::GfxSetFont, plugin, family, size, style);
}
double GfxGetStringWidth(CDorn* plugin, const char* text) {
  return Forward(&DrawingServices::GfxGetStringWidth, plugin, text);
}
std::int32_t GfxGetFontSize(CDorn* plugin) { return Forward(&DrawingServices::GfxGetFontSize, plugin); }
std::int32_t GfxDrawStringAt(CDorn* plugin, const char* text, double x, double y, std::int32_t antialias) {
  return Forward(&DrawingServices::GfxDrawStringAt, plugin, text, x, y, antialias);
}
std::int32_t GfxDrawStringAligned(CDorn* plugin, const char* text, double left, double top, double right,
                                  double bottom, std::int32_t alignment, std::int32_t antialias) {
  return Forward(&DrawingServices::GfxDrawStringAligned, plugin, text, left, top, right, bottom, alignment,
                 antialias);
}
std::int32_t GfxDrawStringInRect(CDorn* plugin, const char* text, double left, double top, double right,
                                 double bottom, std::int32_t ignored, std::int32_t alignment) {
  return Forward(&DrawingServices::GfxDrawStringInRect, plugin, text, left, top, right, bottom, ignored, alignment);
}

std::int32_t ImageLoadFile(ImageSlot* slot, const char* path) {
  return Forward(&DrawingServices::ImageLoadFile, slot, path);
}
std::int32_t ImageLoadResourceName(ImageSlot* slot, const char* name) {
  return Forward(&DrawingServices::ImageLoadResourceName, slot, name);
}
std::int32_t ImageLoadResourceId(ImageSlot* slot, std::int32_t id) {
  return Forward(&DrawingServices::ImageLoadResourceId, slot, id);
}
double ImageGetWidth(ImageSlot* slot) { return Forward(&DrawingServices::ImageGetWidth, slot); }
double ImageGetHeight(ImageSlot* slot) { return Forward(&DrawingServices::ImageGetHeight, slot); }
std::int32_t ImageGetTransparentColor(ImageSlot* slot, std::int32_t* red, std::int32_t* green, std::int32_t* blue,
                                      std::int32_t* alpha) {
  return Forward(&DrawingServices::ImageGetTransparentColor, slot, red, green, blue, alpha);
}
std::int32_t ImageSetTransparentColor(ImageSlot* slot, std::int32_t red, std::int32_t green, std::int32_t blue,
                                      std::int32_t alpha) {
  return Forward(&DrawingServices::ImageSetTransparentColor, slot, red, green, blue, alpha);
}
std::int32_t ImageGetNoAlpha(ImageSlot* slot) { return Forward(&DrawingServices::ImageGetNoAlpha, slot); }
std::int32_t ImageSetNoAlpha(ImageSlot* slot, std::int32_t flag) {
  return Forward(&DrawingServices::ImageSetNoAlpha, slot, flag);
}
std::int32_t ImageDraw(ImageSlot* slot, CDorn* plugin, double left, double top, double right, double bottom,
                       double offsetX, double offsetY) {
  return Forward(&DrawingServices::ImageDraw, slot, plugin, left, top, right, bottom, offsetX, offsetY);
}
std::int32_t ImageDrawTransparent(ImageSlot* slot, CDorn* plugin, double left, double top, double right,
                                  double bottom, double offsetX, double offsetY) {
  return Forward(&DrawingServices::ImageDrawTransparent, slot, plugin, left, top, right, bottom, offsetX, offsetY);
}
std::int32_t ImageDrawAlphaBlend(ImageSlot* slot, CDorn* plugin, double left, double top, double right,
                                 double bottom, double offsetX, double offsetY, std::int32_t alpha) {
  return Forward(&DrawingServices::ImageDrawAlphaBlend, slot, plugin, left, top, right, bottom, offsetX, offsetY,
                 alpha);
}
