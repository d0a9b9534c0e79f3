#pragma once

#include "vstgui/gdiplus_api.h"

namespace VSTGUI {

// One GDI+ object held by a toolkit object: the native handle and the last status
// other than Ok that a call on it returned. Statuses are kept, never reported: the
// drawing goes on and nothing reaches the caller.
template <class Handle, auto Delete>
class GdiPlusRecord {
 public:
  GdiPlusRecord() = default;
  ~GdiPlusRecord() { reset(); }
  GdiPlusRecord(const GdiPlusRecord&) = delete;
  GdiPlusRecord& operator=(const GdiPlusRecord&) = delete;

  Handle* get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  GpStatus lastStatus() const { return lastStatus_; }

  // The slot a GDI+ creation function fills; whatever was held before is deleted.
  Handle** receive() {
    reset();
    return &handle_;
  }
  void reset() {
    if (handle_) Delete(handle_);
    handle_ = nullptr;
  }
  // Keeps the status of a call made with this object; true when it succeeded.
  bool keep(GpStatus status) {
    if (status != Gdiplus::Ok) lastStatus_ = status;
    return status == Gdiplus::Ok;
  }

 private:
  Handle* handle_ = nullptr;
  GpStatus lastStatus_ = Gdiplus::Ok;
};

using GraphicsRecord = GdiPlusRecord<Gdiplus::GpGraphics, gdip::GdipDeleteGraphics>;
using PenRecord = GdiPlusRecord<Gdiplus::GpPen, gdip::GdipDeletePen>;
using SolidBrushRecord = GdiPlusRecord<Gdiplus::GpSolidFill, gdip::GdipDeleteBrush>;
using FontRecord = GdiPlusRecord<Gdiplus::GpFont, gdip::GdipDeleteFont>;
using FontFamilyRecord = GdiPlusRecord<Gdiplus::GpFontFamily, gdip::GdipDeleteFontFamily>;
using BitmapRecord = GdiPlusRecord<Gdiplus::GpBitmap, gdip::GdipDisposeImage>;
using PathRecord = GdiPlusRecord<Gdiplus::GpPath, gdip::GdipDeletePath>;
using ImageAttributesRecord = GdiPlusRecord<Gdiplus::GpImageAttributes, gdip::GdipDisposeImageAttributes>;

}  // namespace VSTGUI
