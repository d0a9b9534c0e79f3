#include <cstring>

#include "graphics/draw_pass.h"
#include "graphics/drawing_layer.h"
#include "vstgui/font_desc.h"

using VSTGUI::CDrawContext;
using VSTGUI::CFontDesc;

namespace {

bool SameFamily(const char* name, const char* family) {
  if (!name || !family) return name == family;
  for (; *name && *family; ++name, ++family) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(*name) != lower(*family)) return false;
  }
  return *name == *family;
}

// The plug-in object's description of the family, the latest first; a family seen for
// the first time gets one of size 0 and style 0, kept until the plug-in object goes.
CFontDesc* CachedFont(CDorn& plugin, const char* family) {
  for (auto cached = plugin.fontCache.rbegin(); cached != plugin.fontCache.rend(); ++cached) {
    auto* const font = static_cast<CFontDesc*>(*cached);
    if (SameFamily(font->getName(), family)) return font;
  }
  auto* const font = new CFontDesc(family, 0, 0);
  plugin.fontCache.push_back(font);
  return font;
}


std::int32_t GfxSetFont(CDorn* plugin, const char* family, std::int32_t size, std::int32_t style) {
  CDrawContext* const context = PassContext(plugin);
  if (!context) return 0;
  context->setFont(CachedFont(*plugin, family), size, style);
  return 1;
}

double GfxGetStringWidth(CDorn* plugin, const char* text) {
  CDrawContext* const context = PassContext(plugin);
  if (!context) return 0.0;
  if (!text || !context->currentFont()) return -1.0;
  return context->measureText(text);
}

std::int32_t GfxGetFontSize(CDorn* plugin) {
  CDrawContext* const context = PassContext(plugin);
  if (!context || !context->currentFont()) return 0;
  return static_cast<std::int32_t>(context->currentFont()->getSize());
}

std::int32_t GfxDrawStringAt(CDorn* plugin, const char* text, double x, double y, std::int32_t antialias) {
  CDrawContext* const context = PassContext(plugin);
  if (!context) return 0;
  context->drawTextAt(text, {x, y}, (antialias & 0xFF) != 0);
  return 1;
}

std::int32_t GfxDrawStringAligned(CDorn* plugin, const char* text, double left, double top, double right,
                                  double bottom, std::int32_t alignment, std::int32_t antialias) {
  CDrawContext* const context = PassContext(plugin);
  if (!context) return 0;
  context->drawTextInRect(text, {left, top, right, bottom}, alignment, (antialias & 0xFF) != 0);
  return 1;
}

std::int32_t GfxDrawStringInRect(CDorn* plugin, const char* text, double left, double top, double right,
                                 double bottom, std::int32_t /*ignored*/, std::int32_t alignment) {
  return GfxDrawStringAligned(plugin, text, left, top, right, bottom, alignment, 1);
}

}  // namespace

void drawing_layer::AddFontEntries(DrawingServices& services) {
  services.GfxSetFont = GfxSetFont;
  services.GfxGetStringWidth = GfxGetStringWidth;
  services.GfxGetFontSize = GfxGetFontSize;
  services.GfxDrawStringAt = GfxDrawStringAt;
  services.GfxDrawStringAligned = GfxDrawStringAligned;
  services.GfxDrawStringInRect = GfxDrawStringInRect;
}
