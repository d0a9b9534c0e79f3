#include "tests/support/window_picture.h"

#include <cwchar>
#include <vector>

namespace gdip = VSTGUI::gdip;

WindowPicture::WindowPicture(HWND window, int width, int height) {
  HDC const screen = GetDC(window);
  HDC const memory = CreateCompatibleDC(screen);
  HBITMAP const copy = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ const previous = SelectObject(memory, copy);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  gdip::GdipCreateBitmapFromHBITMAP(copy, nullptr, bitmap_.receive());
  DeleteObject(copy);
  DeleteDC(memory);
  ReleaseDC(window, screen);
}

toolkit_test::Argb WindowPicture::at(int x, int y) const {
  Gdiplus::ARGB pixel = 0;
  gdip::GdipBitmapGetPixel(bitmap_.get(), x, y, &pixel);
  return pixel | 0xFF000000u;
}

bool WindowPicture::save(const wchar_t* path) const {
  UINT count = 0, bytes = 0;
  gdip::GdipGetImageEncodersSize(&count, &bytes);
  std::vector<unsigned char> storage(bytes);
  auto* const encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(storage.data());
  gdip::GdipGetImageEncoders(count, bytes, encoders);
  for (UINT i = 0; i < count; ++i) {
    if (std::wcscmp(encoders[i].MimeType, L"image/png") == 0) {
      return gdip::GdipSaveImageToFile(bitmap_.get(), path, &encoders[i].Clsid, nullptr) == Gdiplus::Ok;
    }
  }
  return false;
}
