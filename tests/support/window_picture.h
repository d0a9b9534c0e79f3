#pragma once

#include <windows.h>

#include "tests/support/pixels.h"
#include "vstgui/bitmap.h"
#include "vstgui/gdiplus_globals.h"

// A window's pixels as painted, copied from its device context, read as 0xAARRGGBB
// and saved as a PNG picture for people to look at.
class WindowPicture {
 public:
  WindowPicture(HWND window, int width, int height);
  toolkit_test::Argb at(int x, int y) const;
  bool save(const wchar_t* path) const;

 private:
  VSTGUI::GdiPlusSession gdiplus_;
  VSTGUI::BitmapRecord bitmap_;
};
