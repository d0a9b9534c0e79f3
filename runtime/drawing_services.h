#pragma once

#include <cstdint>

#include "runtime/image_slot.h"

class CDorn;

// The drawing layer's services: the editor, drawing, font and image entry points of
// graphics_services.h, reached through this table, which the plug-in module installs for
// all its plug-in objects. Without a table, or for an empty entry, a call answers as it
// does outside a drawing pass: 0, nothing drawn, outputs untouched.
struct DrawingServices {
  std::int32_t (*GfxCreateEditor)(CDorn*, std::int32_t width, std::int32_t height);
  std::int32_t (*GfxGetSize)(CDorn*, std::int32_t* width, std::int32_t* height);
  std::int32_t (*GfxRedraw)(CDorn*);

  std::int32_t (*GfxSetDrawMode)(CDorn*, std::int32_t mode);
  std::int32_t (*GfxSetFontColor)(CDorn*, std::int32_t red, std::int32_t green, std::int32_t blue,
                                  std::int32_t alpha);
  std::int32_t (*GfxSetFillColor)(CDorn*, std::int32_t red, std::int32_t green, std::int32_t blue,
                                  std::int32_t alpha);
  std::int32_t (*GfxSetFrameColor)(CDorn*, std::int32_t red, std::int32_t green, std::int32_t blue,
                                   std::int32_t alpha);
  std::int32_t (*GfxMoveTo)(CDorn*, double x, double y);
  std::int32_t (*GfxLineTo)(CDorn*, double x, double y);
  std::int32_t (*GfxRect)(CDorn*, double left, double top, double right, double bottom, std::int32_t style);
  std::int32_t (*GfxEllipse)(CDorn*, double left, double top, double right, double bottom, std::int32_t style);
  std::int32_t (*GfxArc)(CDorn*, double left, double top, double right, double bottom, double startAngle,
                         double endAngle, std::int32_t style);
  std::int32_t (*GfxSetPixel)(CDorn*, double x, double y, std::int32_t red, std::int32_t green, std::int32_t blue,
                              std::int32_t alpha);
  std::int32_t (*GfxGetPixel)(CDorn*, double x, double y, std::int32_t* red, std::int32_t* green,
                              std::int32_t* blue, std::int32_t* alpha);

  std::int32_t (*GfxSetFont)(CDorn*, const char* family, std::int32_t size, std::int32_t style);
  double (*GfxGetStringWidth)(CDorn*, const char* text);
  std::int32_t (*GfxGetFontSize)(CDorn*);
  std::int32_t (*GfxDrawStringAt)(CDorn*, const char* text, double x, double y, std::int32_t antialias);
  std::int32_t (*GfxDrawStringAligned)(CDorn*, const char* text, double left, double top, double right,
                                       double bottom, std::int32_t alignment, std::int32_t antialias);
  std::int32_t (*GfxDrawStringInRect)(CDorn*, const char* text, double left, double top, double right,
                                      double bottom, std::int32_t ignored, std::int32_t alignment);

  std::int32_t (*ImageLoadFile)(ImageSlot*, const char* path);
  std::int32_t (*ImageLoadResourceName)(ImageSlot*, const char* name);
  std::int32_t (*ImageLoadResourceId)(ImageSlot*, std::int32_t id);
  double (*ImageGetWidth)(ImageSlot*);
  double (*ImageGetHeight)(ImageSlot*);
  std::int32_t (*ImageGetTransparentColor)(ImageSlot*, std::int32_t* red, std::int32_t* green, std::int32_t* blue,
                                           std::int32_t* alpha);
  std::int32_t (*ImageSetTransparentColor)(ImageSlot*, std::int32_t red, std::int32_t green, std::int32_t blue,
                                           std::int32_t alpha);
  std::int32_t (*ImageGetNoAlpha)(ImageSlot*);
  std::int32_t (*ImageSetNoAlpha)(ImageSlot*, std::int32_t flag);
  std::int32_t (*ImageDraw)(ImageSlot*, CDorn*, double left, double top, double right, double bottom,
                            double offsetX, double offsetY);
  std::int32_t (*ImageDrawTransparent)(ImageSlot*, CDorn*, double left, double top, double right, double bottom,
                                       double offsetX, double offsetY);
  std::int32_t (*ImageDrawAlphaBlend)(ImageSlot*, CDorn*, double left, double top, double right, double bottom,
                                      double offsetX, double offsetY, std::int32_t alpha);
};

// Installs the table for every plug-in object of this module (null: none); the table
// must outlive them. Safe from any thread.
void InstallDrawingServices(const DrawingServices* services);
