#include "runtime/adaptor_services.h"
#include "runtime/graphics_services.h"

// Builds without the drawing layer have no editor: none is made, so there is neither a
// size to report nor a view to redraw, no drawing pass ever runs, and no image is ever
// decoded. Every entry point answers as it does outside a drawing pass.

std::int32_t GfxCreateEditor(CDorn*, std::int32_t, std::int32_t) { return 0; }
std::int32_t GfxGetSize(CDorn*, std::int32_t*, std::int32_t*) { return 0; }
std::int32_t GfxRedraw(CDorn*) { return 0; }

std::int32_t GfxSetDrawMode(CDorn*, std::int32_t) { return 0; }
std::int32_t GfxSetFontColor(CDorn*, std::int32_t, std::int32_t, std::int32_t, std::int32_t) { return 0; }
std::int32_t GfxSetFillColor(CDorn*, std::int32_t, std::int32_t, std::int32_t, std::int32_t) { return 0; }
std::int32_t GfxSetFrameColor(CDorn*, std::int32_t, std::int32_t, std::int32_t, std::int32_t) { return 0; }
std::int32_t GfxMoveTo(CDorn*, double, double) { return 0; }
std::int32_t GfxLineTo(CDorn*, double, double) { return 0; }
std::int32_t GfxRect(CDorn*, double, double, double, double, std::int32_t) { return 0; }
std::int32_t GfxEllipse(CDorn*, double, double, double, double, std::int32_t) { return 0; }
std::int32_t GfxArc(CDorn*, double, double, double, double, double, double, std::int32_t) { return 0; }
std::int32_t GfxSetPixel(CDorn*, double, double, std::int32_t, std::int32_t, std::int32_t, std::int32_t) { return 0; }
std::int32_t GfxGetPixel(CDorn*, double, double, std::int32_t*, std::int32_t*, std::int32_t*, std::int32_t*) {
  return 0;
}

std::int32_t GfxSetFont(CDorn*, const char*, std::int32_t, std::int32_t) { return 0; }
double GfxGetStringWidth(CDorn*, const char*) { return 0.0; }
std::int32_t GfxGetFontSize(CDorn*) { return 0; }
std::int32_t GfxDrawStringAt(CDorn*, const char*, double, double, std::int32_t) { return 0; }
std::int32_t GfxDrawStringAligned(CDorn*, const char*, double, double, double, double, std::int32_t, std::int32_t) {
  return 0;
}
std::int32_t GfxDrawStringInRect(CDorn*, const char*, double, double, double, double, std::int32_t, std::int32_t) {
  return 0;
}

std::int32_t ImageLoadFile(ImageSlot*, const char*) { return 0; }
std::int32_t ImageLoadResourceName(ImageSlot*, const char*) { return 0; }
std::int32_t ImageLoadResourceId(ImageSlot*, std::int32_t) { return 0; }
double ImageGetWidth(ImageSlot*) { return 0.0; }
double ImageGetHeight(ImageSlot*) { return 0.0; }
std::int32_t ImageGetTransparentColor(ImageSlot*, std::int32_t*, std::int32_t*, std::int32_t*, std::int32_t*) {
  return 0;
}
std::int32_t ImageSetTransparentColor(ImageSlot*, std::int32_t, std::int32_t, std::int32_t, std::int32_t) { return 0; }
std::int32_t ImageGetNoAlpha(ImageSlot*) { return 0; }
std::int32_t ImageSetNoAlpha(ImageSlot*, std::int32_t) { return 0; }
std::int32_t ImageDraw(ImageSlot*, CDorn*, double, double, double, double, double, double) { return 0; }
std::int32_t ImageDrawTransparent(ImageSlot*, CDorn*, double, double, double, double, double, double) { return 0; }
std::int32_t ImageDrawAlphaBlend(ImageSlot*, CDorn*, double, double, double, double, double, double, std::int32_t) {
  return 0;
}
