#pragma once

#include "vstgui/base_object.h"
#include "vstgui/gdiplus_api.h"

namespace VSTGUI {

// The two calls that start and stop GDI+; tests replace them to count what happens.
struct GdiPlusLifecycleCalls {
  Gdiplus::Status(WINAPI* startup)(ULONG_PTR* token, const Gdiplus::GdiplusStartupInput* input,
                                    Gdiplus::GdiplusStartupOutput* output);
  void(WINAPI* shutdown)(ULONG_PTR token);
};
GdiPlusLifecycleCalls& GdiPlusLifecycle();

// GDI+ runs from the first acquire to the last release. Frames, contexts and bitmaps
// acquire it when they are made and release it when they go. Never called from the
// module entry: GDI+ must not start or stop under the loader lock.
class GDIPlusGlobals final : public CBaseObject {
 public:
  static void acquire();
  static void release();
  static bool isRunning();

 private:
  GDIPlusGlobals();
  ~GDIPlusGlobals() override;

  ULONG_PTR token_ = 0;
};

// One GDI+ reference for the lifetime of its owner.
class GdiPlusSession {
 public:
  GdiPlusSession() { GDIPlusGlobals::acquire(); }
  ~GdiPlusSession() { GDIPlusGlobals::release(); }
  GdiPlusSession(const GdiPlusSession&) = delete;
  GdiPlusSession& operator=(const GdiPlusSession&) = delete;
};

}  // namespace VSTGUI
