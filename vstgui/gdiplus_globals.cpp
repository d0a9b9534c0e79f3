#include "vstgui/gdiplus_globals.h"

#include <mutex>

#include "vstgui/font_desc.h"

namespace VSTGUI {

namespace {
// An image may be loaded, and with it GDI+ started, on a thread other than the
// editor's. Never taken on the audio path.
std::mutex countGuard;
GDIPlusGlobals* instance = nullptr;
}  // namespace

GdiPlusLifecycleCalls& GdiPlusLifecycle() {
  static GdiPlusLifecycleCalls calls{Gdiplus::GdiplusStartup, Gdiplus::GdiplusShutdown};
  return calls;
}

void GDIPlusGlobals::acquire() {
  const std::lock_guard<std::mutex> counting(countGuard);
  if (instance) {
    instance->remember();
  } else {
    instance = new GDIPlusGlobals();
  }
}

void GDIPlusGlobals::release() {
  const std::lock_guard<std::mutex> counting(countGuard);
  if (!instance) return;
  GDIPlusGlobals* const held = instance;
  if (held->getNbReference() == 1) instance = nullptr;
  held->forget();
}

bool GDIPlusGlobals::isRunning() {
  const std::lock_guard<std::mutex> counting(countGuard);
  return instance != nullptr;
}

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
