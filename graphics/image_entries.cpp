#include <cmath>
#include <string>

#include "graphics/draw_pass.h"
#include "graphics/drawing_layer.h"
#include "vstgui/bitmap.h"
#include "vstgui/gdiplus_globals.h"
#include "vstgui/wide_text.h"

using VSTGUI::CBitmap;

namespace {

CBitmap* BitmapOf(ImageSlot* slot) { return slot ? static_cast<CBitmap*>(slot->bitmap) : nullptr; }

void Empty(ImageSlot& slot) {
  if (slot.bitmap) slot.bitmap->forget();
  slot.bitmap = nullptr;
}

// A resource picture with an area; anything else leaves the slot empty.
std::int32_t KeepIfPicture(ImageSlot& slot, CBitmap* bitmap) {
  if (bitmap->getWidth() > 0.0 && bitmap->getHeight() > 0.0) {
    slot.bitmap = bitmap;
    return 1;
  }
  bitmap->forget();
  return 0;
}

template <class Draw>
std::int32_t DrawInPass(ImageSlot* slot, CDorn* plugin, Draw&& draw) {
  VSTGUI::CDrawContext* const context = PassContext(plugin);
  CBitmap* const bitmap = BitmapOf(slot);
  if (!context || !bitmap) return 0;
  draw(*bitmap, context);
  return 1;
}


std::int32_t ImageLoadFile(ImageSlot* slot, const char* path) {
  if (!slot) return 0;
  Empty(*slot);
  // The path is UTF-8, so that names beyond ASCII are found too.
  const std::wstring widePath = VSTGUI::WideFromUtf8(path);
  if (widePath.empty()) return 0;
  const VSTGUI::GdiPlusSession gdiplus;  // a script may load before any editor runs
  VSTGUI::BitmapRecord decoded;
  if (!decoded.keep(VSTGUI::gdip::GdipCreateBitmapFromFile(widePath.c_str(), decoded.receive()))) return 0;
  slot->bitmap = new CBitmap(decoded.get());
  return 1;
}

std::int32_t ImageLoadResourceName(ImageSlot* slot, const char* name) {
  if (!slot) return 0;
  Empty(*slot);
  return KeepIfPicture(*slot, new CBitmap(VSTGUI::ResourceDescription(name)));
}

std::int32_t ImageLoadResourceId(ImageSlot* slot, std::int32_t id) {
  if (!slot) return 0;
  Empty(*slot);
  return KeepIfPicture(*slot, new CBitmap(VSTGUI::ResourceDescription(id)));
}

double ImageGetWidth(ImageSlot* slot) {
  const CBitmap* const bitmap = BitmapOf(slot);
  return bitmap ? std::trunc(bitmap->getWidth()) : 0.0;
}

double ImageGetHeight(ImageSlot* slot) {
  const CBitmap* const bitmap = BitmapOf(slot);
  return bitmap ? std::trunc(bitmap->getHeight()) : 0.0;
}

std::int32_t ImageGetTransparentColor(ImageSlot* slot, std::int32_t* red, std::int32_t* green, std::int32_t* blue,
                                      std::int32_t* alpha) {
  const CBitmap* const bitmap = BitmapOf(slot);
  if (!bitmap) return 0;
  const VSTGUI::RgbaColor color = bitmap->getTransparentColor();
  if (red) *red = color.red;
  if (green) *green = color.green;
  if (blue) *blue = color.blue;
  if (alpha) *alpha = color.alpha;
  return 1;
}

std::int32_t ImageSetTransparentColor(ImageSlot* slot, std::int32_t red, std::int32_t green, std::int32_t blue,
                                      std::int32_t alpha) {
  CBitmap* const bitmap = BitmapOf(slot);
  if (!bitmap) return 0;
  bitmap->setTransparentColor(ScriptColor(red, green, blue, alpha));
  return 1;
}

std::int32_t ImageGetNoAlpha(ImageSlot* slot) {
  const CBitmap* const bitmap = BitmapOf(slot);
  return bitmap ? bitmap->getNoAlpha() : 0;
}

std::int32_t ImageSetNoAlpha(ImageSlot* slot, std::int32_t flag) {
  CBitmap* const bitmap = BitmapOf(slot);
  if (!bitmap) return 0;
  bitmap->setNoAlpha(static_cast<std::uint8_t>(flag & 0xFF));
  return 1;
}

std::int32_t ImageDraw(ImageSlot* slot, CDorn* plugin, double left, double top, double right, double bottom,
                       double offsetX, double offsetY) {
  return DrawInPass(slot, plugin, [&](CBitmap& bitmap, VSTGUI::CDrawContext* context) {
    bitmap.drawBitmap(context, {left, top, right, bottom}, {offsetX, offsetY});
  });
}

std::int32_t ImageDrawTransparent(ImageSlot* slot, CDorn* plugin, double left, double top, double right,
                                  double bottom, double offsetX, double offsetY) {
  return DrawInPass(slot, plugin, [&](CBitmap& bitmap, VSTGUI::CDrawContext* context) {
    bitmap.drawTransparent(context, {left, top, right, bottom}, {offsetX, offsetY});
  });
}

std::int32_t ImageDrawAlphaBlend(ImageSlot* slot, CDorn* plugin, double left, double top, double right,
                                 double bottom, double offsetX, double offsetY, std::int32_t alpha) {
  return DrawInPass(slot, plugin, [&](CBitmap& bitmap, VSTGUI::CDrawContext* context) {
    bitmap.drawBitmapAlpha(context, {left, top, right, bottom}, {offsetX, offsetY},
                           static_cast<std::uint8_t>(alpha & 0xFF));
  });
}

}  // namespace

void drawing_layer::AddImageEntries(DrawingServices& services) {
  services.ImageLoadFile = ImageLoadFile;
  services.ImageLoadResourceName = ImageLoadResourceName;
  services.ImageLoadResourceId = ImageLoadResourceId;
  services.ImageGetWidth = ImageGetWidth;
  services.ImageGetHeight = ImageGetHeight;
  services.ImageGetTransparentColor = ImageGetTransparentColor;
  services.ImageSetTransparentColor = ImageSetTransparentColor;
  services.ImageGetNoAlpha = ImageGetNoAlpha;
  services.ImageSetNoAlpha = ImageSetNoAlpha;
  services.ImageDraw = ImageDraw;
  services.ImageDrawTransparent = ImageDrawTransparent;
  services.ImageDrawAlphaBlend = ImageDrawAlphaBlend;
}
