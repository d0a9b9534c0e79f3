#include "vstgui/bitmap.h"

#include "vstgui/device_coordinates.h"
#include "vstgui/draw_context.h"
#include "vstgui/module_instance.h"
#include "vstgui/resource_stream.h"
#include "vstgui/wide_text.h"

namespace VSTGUI {

namespace {

// The colour matrix that scales alpha only: 1 for red, green and blue, alpha / 255
// for alpha, 0 elsewhere.
Gdiplus::ColorMatrix AlphaScaling(std::uint8_t alpha) {
  Gdiplus::ColorMatrix matrix{};
  matrix.m[0][0] = matrix.m[1][1] = matrix.m[2][2] = 1.0f;
  matrix.m[3][3] = static_cast<Gdiplus::REAL>(alpha) / 255.0f;
  return matrix;
}

LPCSTR ResourceName(const ResourceDescription& description) {
  return description.kind == ResourceDescription::kIntegerKind
             ? MAKEINTRESOURCEA(static_cast<WORD>(description.id & 0xFFFF))
             : description.name.c_str();
}

}  // namespace

CBitmap::CBitmap(const ResourceDescription& description) { loadFromResource(description); }

CBitmap::CBitmap(Gdiplus::GpBitmap* source) { copyFrom(source); }

CBitmap::CBitmap(double width, double height) {
  bitmap_.keep(gdip::GdipCreateBitmapFromScan0(ToDeviceInt(width), ToDeviceInt(height), 0, PixelFormat32bppARGB,
                                               nullptr, bitmap_.receive()));
  readSize();
}

CBitmap::~CBitmap() { dispose(); }

void CBitmap::copyFrom(Gdiplus::GpBitmap* source) {
  if (!source) return;
  UINT width = 0;
  UINT height = 0;
  gdip::GdipGetImageWidth(source, &width);
  gdip::GdipGetImageHeight(source, &height);
  bitmap_.keep(gdip::GdipCloneBitmapAreaI(0, 0, static_cast<INT>(width), static_cast<INT>(height),
                                          PixelFormat32bppARGB, source, bitmap_.receive()));
  readSize();
}

void CBitmap::readSize() {
  UINT width = 0;
  UINT height = 0;
  if (bitmap_) {
    bitmap_.keep(gdip::GdipGetImageWidth(bitmap_.get(), &width));
    bitmap_.keep(gdip::GdipGetImageHeight(bitmap_.get(), &height));
  }
  width_ = width;
  height_ = height;
}

void CBitmap::drawBitmap(CDrawContext* context, const ViewRect& rect, const ViewPoint& offset) {
  drawBitmapAlpha(context, rect, offset, 255);
}

void CBitmap::drawTransparent(CDrawContext* context, const ViewRect& rect, const ViewPoint& offset) {
  drawBitmapAlpha(context, rect, offset, 255);
}

void CBitmap::drawBitmapAlpha(CDrawContext* context, const ViewRect& rect, const ViewPoint& offset,
                              std::uint8_t alpha) {
  Gdiplus::GpGraphics* const graphics = context ? context->platformGraphics() : nullptr;
  if (!bitmap_ || !graphics) return;
  const INT width = ToDeviceInt(rect.width());
  const INT height = ToDeviceInt(rect.height());
  const INT x = ToDeviceInt(rect.left) + ToDeviceInt(context->getDrawOffset().x);
  const INT y = ToDeviceInt(rect.top) + ToDeviceInt(context->getDrawOffset().y);
  const INT sourceX = ToDeviceInt(offset.x);
  const INT sourceY = ToDeviceInt(offset.y);
  if (alpha == 255) {
    bitmap_.keep(gdip::GdipDrawImageRectRectI(graphics, bitmap_.get(), x, y, width, height, sourceX, sourceY, width,
                                              height, Gdiplus::UnitPixel, nullptr, nullptr, nullptr));
    return;
  }
  ImageAttributesRecord attributes;
  if (!attributes.keep(gdip::GdipCreateImageAttributes(attributes.receive()))) return;
  const Gdiplus::ColorMatrix matrix = AlphaScaling(alpha);
  attributes.keep(gdip::GdipSetImageAttributesColorMatrix(attributes.get(), Gdiplus::ColorAdjustTypeBitmap, TRUE,
                                                          &matrix, nullptr, Gdiplus::ColorMatrixFlagsDefault));
  // The source area first goes into a bitmap of its own, which is then drawn with
  // the attributes.
  BitmapRecord area;
  if (!area.keep(gdip::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, area.receive()))) {
    return;
  }
  GraphicsRecord areaGraphics;
  if (areaGraphics.keep(gdip::GdipGetImageGraphicsContext(area.get(), areaGraphics.receive()))) {
    areaGraphics.keep(gdip::GdipDrawImageRectRectI(areaGraphics.get(), bitmap_.get(), 0, 0, width, height, sourceX,
                                                   sourceY, width, height, Gdiplus::UnitPixel, nullptr, nullptr,
                                                   nullptr));
  }
  areaGraphics.reset();
  bitmap_.keep(gdip::GdipDrawImageRectRectI(graphics, area.get(), x, y, width, height, 0, 0, width, height,
                                            Gdiplus::UnitPixel, attributes.get(), nullptr, nullptr));
}

void CBitmap::dispose() {
  bitmap_.reset();
  noAlpha_ = 0;
  width_ = 0.0;
  height_ = 0.0;
}

bool CBitmap::loadFromResource(const ResourceDescription& description) {
  dispose();
  resource_ = description;
  const HINSTANCE module = ToolkitModule();
  decodeResource(module, description);
  if (!bitmap_) {
    // Perhaps a plain bitmap resource rather than a "DATA" one.
    const std::wstring name = WideFromUtf8(description.name.c_str());
    const WCHAR* const wideName = description.kind == ResourceDescription::kIntegerKind
                                      ? MAKEINTRESOURCEW(static_cast<WORD>(description.id & 0xFFFF))
                                      : name.c_str();
    bitmap_.keep(gdip::GdipCreateBitmapFromResource(module, wideName, bitmap_.receive()));
  }
  readSize();
  return true;
}

void CBitmap::decodeResource(HINSTANCE module, const ResourceDescription& description) {
  HRSRC const found = FindResourceA(module, ResourceName(description), "DATA");
  if (!found) return;
  HGLOBAL const loaded = LoadResource(module, found);
  const void* const bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return;
  auto* const stream = new ResourceStream();
  stream->setData(bytes, SizeofResource(module, found));
  bitmap_.keep(gdip::GdipCreateBitmapFromStreamICM(stream, bitmap_.receive()));
  stream->Release();
}

}  // namespace VSTGUI
