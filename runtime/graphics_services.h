#pragma once

#include <cstdint>

#include "runtime/image_slot.h"

class CDorn;

// The editor and drawing entry points that translated scripts call. The drawing layer
// serves them through the table the plug-in module installs (drawing_services.h); a
// build without one answers every call as outside a drawing pass.

// Invalidates the editor's view: 1, or 0 without an editor view.
std::int32_t GfxRedraw(CDorn* plugin);
// Creates the editor of the given size unless one exists: 1, else 0.
std::int32_t GfxCreateEditor(CDorn* plugin, std::int32_t width, std::int32_t height);
// The editor's size into whichever outputs are given: 1, or 0 (outputs untouched)
// without an editor.
std::int32_t GfxGetSize(CDorn* plugin, std::int32_t* width, std::int32_t* height);

// Drawing works on the draw context that the editor's view lends the plug-in object for
// one drawing pass; outside a pass (or for a null plug-in object) it draws nothing and
// answers 0. Colours are four integers of which the low byte counts; coordinates are
// view pixels.

std::int32_t GfxSetDrawMode(CDorn* plugin, std::int32_t mode);  // 3 anti-aliased, else aliased
std::int32_t GfxSetFontColor(CDorn* plugin, std::int32_t red, std::int32_t green, std::int32_t blue,
                             std::int32_t alpha);
std::int32_t GfxSetFillColor(CDorn* plugin, std::int32_t red, std::int32_t green, std::int32_t blue,
                             std::int32_t alpha);
std::int32_t GfxSetFrameColor(CDorn* plugin, std::int32_t red, std::int32_t green, std::int32_t blue,
                              std::int32_t alpha);
std::int32_t GfxMoveTo(CDorn* plugin, double x, double y);
std::int32_t GfxLineTo(CDorn* plugin, double x, double y);
// Style 0 outline, 1 filled, 2 both; corners in any order.
std::int32_t GfxRect(CDorn* plugin, double left, double top, double right, double bottom, std::int32_t style);
std::int32_t GfxEllipse(CDorn* plugin, double left, double top, double right, double bottom, std::int32_t style);
// Degrees, clockwise from the positive x axis.
std::int32_t GfxArc(CDorn* plugin, double left, double top, double right, double bottom, double startAngle,
                    double endAngle, std::int32_t style);
std::int32_t GfxSetPixel(CDorn* plugin, double x, double y, std::int32_t red, std::int32_t green, std::int32_t blue,
                         std::int32_t alpha);
// Pixels cannot be read back: opaque black into whichever outputs are given.
std::int32_t GfxGetPixel(CDorn* plugin, double x, double y, std::int32_t* red, std::int32_t* green,
                         std::int32_t* blue, std::int32_t* alpha);

// Fonts by family name (found case-insensitively among those used before), pixel size
// (0 or less: the family's own) and style bits (1 bold, 2 italic, 4 underline; -1: the
// family's own). Texts are UTF-8.
std::int32_t GfxSetFont(CDorn* plugin, const char* family, std::int32_t size, std::int32_t style);
// 0.0 outside a pass, -1.0 for no text, 0.0 for a family that is not installed.
double GfxGetStringWidth(CDorn* plugin, const char* text);
std::int32_t GfxGetFontSize(CDorn* plugin);
// The line's bottom edge at y.
std::int32_t GfxDrawStringAt(CDorn* plugin, const char* text, double x, double y, std::int32_t antialias);
// Alignment 0 left, 2 right, else centred; clipped to the rectangle.
std::int32_t GfxDrawStringAligned(CDorn* plugin, const char* text, double left, double top, double right,
                                  double bottom, std::int32_t alignment, std::int32_t antialias);
std::int32_t GfxDrawStringInRect(CDorn* plugin, const char* text, double left, double top, double right,
                                 double bottom, std::int32_t ignored, std::int32_t alignment);

// Images in slots (ImageSlotCreate, ImageSlotFree): a load empties the slot first and
// fills it only on success. An empty or null slot answers 0.
std::int32_t ImageLoadFile(ImageSlot* slot, const char* path);  // UTF-8 path
std::int32_t ImageLoadResourceName(ImageSlot* slot, const char* name);
std::int32_t ImageLoadResourceId(ImageSlot* slot, std::int32_t id);
double ImageGetWidth(ImageSlot* slot);
double ImageGetHeight(ImageSlot* slot);
std::int32_t ImageGetTransparentColor(ImageSlot* slot, std::int32_t* red, std::int32_t* green, std::int32_t* blue,
                                      std::int32_t* alpha);
std::int32_t ImageSetTransparentColor(ImageSlot* slot, std::int32_t red, std::int32_t green, std::int32_t blue,
                                      std::int32_t alpha);
std::int32_t ImageGetNoAlpha(ImageSlot* slot);
std::int32_t ImageSetNoAlpha(ImageSlot* slot, std::int32_t flag);
// The image area from the offset, of the rectangle's size, copied into the rectangle
// unscaled; the alpha blend scales the image's alpha by alpha / 255.
std::int32_t ImageDraw(ImageSlot* slot, CDorn* plugin, double left, double top, double right, double bottom,
                       double offsetX, double offsetY);
std::int32_t ImageDrawTransparent(ImageSlot* slot, CDorn* plugin, double left, double top, double right,
                                  double bottom, double offsetX, double offsetY);
std::int32_t ImageDrawAlphaBlend(ImageSlot* slot, CDorn* plugin, double left, double top, double right,
                                 double bottom, double offsetX, double offsetY, std::int32_t alpha);
