#include "vstgui/gdiplus_globals.h"

#include "vstgui/font_desc.h"

namespace VSTGUI {

namespace {
GDIPlusGlobals* instance = nullptr;
}

GdiPlusLifecycleCalls& GdiPlusLifecycle() {
  static GdiPlusLifecycleCalls calls{Gdiplus::GdiplusStartup, Gdiplus::GdiplusShutdown};
  return calls;
}

void GDIPlusGlobals::acquire() {
  if (instance) {
    instance->remember();
  } else {
    instance = new GDIPlusGlobals();
  }
}

void GDIPlusGlobals::release() {
  if (!instance) return;
  GDIPlusGlobals* const held = instance;
  if (held->getNbReference() == 1) instance = nullptr;
  held->forget();
}

bool GDIPlusGlobals::isRunning() { return instance != nullptr; }

GDIPlusGlobals::GDIPlusGlobals() {
  // Version 1, no debug callback, GDI+'s own background thread and external codecs.
  const Gdiplus::GdiplusStartupInput input;
  // A failed start leaves GDI+ unusable: later calls fail and only keep their status.
  GdiPlusLifecycle().startup(&token_, &input, nullptr);
}

GDIPlusGlobals::~GDIPlusGlobals() {
  // Fonts that are still described (the standard table's, and any a caller keeps) must
  // not hold GDI+ objects past the shutdown; they make them anew if GDI+ starts again.
  CFontDesc::deleteAllPlatformFonts();
  GdiPlusLifecycle().shutdown(token_);
}

}  // namespace VSTGUI
