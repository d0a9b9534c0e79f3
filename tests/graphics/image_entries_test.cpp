#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "runtime/graphics_services.h"
#include "tests/graphics/drawing_pass.h"
#include "vstgui/wide_text.h"

namespace {

using namespace toolkit_test;

class ImageInPass : public DrawingPass {
 protected:
  ImageInPass() : slot(ImageSlotCreate()) {}
  ~ImageInPass() override { ImageSlotFree(slot); }
  ImageSlot* slot;
};

TEST_F(ImageInPass, DrawingCopiesTheAreaAtTheOffsetUnscaled) {
  ASSERT_EQ(ImageLoadResourceId(slot, kPatternResource), 1);
  EXPECT_EQ(ImageGetWidth(slot), 50.0);
  EXPECT_EQ(ImageGetHeight(slot), 50.0);
  EXPECT_EQ(ImageDraw(slot, plugin(), 10, 10, 30, 30, 5, 5), 1);
  for (int y = 10; y < 30; y += 3) {
    for (int x = 10; x < 30; x += 3) EXPECT_EQ(at(x, y), PatternPixel(x - 5, y - 5)) << x << "," << y;
  }
  EXPECT_EQ(InkBounds(surface), (VSTGUI::ViewRect{10, 10, 30, 30}));
}

TEST_F(ImageInPass, AlphaBlendDrawsAtAboutHalfOpacity) {
  ASSERT_EQ(ImageLoadResourceName(slot, "PATTERN"), 1);
  GfxSetFillColor(plugin(), 0, 0, 0, 255);
  GfxRect(plugin(), 0, 0, 100, 100, 1);
  EXPECT_EQ(ImageDrawAlphaBlend(slot, plugin(), 0, 0, 50, 50, 0, 0, 128 + 256), 1);
  EXPECT_NEAR(int((at(40, 0) >> 16) & 0xFF), 100, 3);
  EXPECT_NEAR(int(at(40, 0) & 0xFF), 100, 3);
  EXPECT_EQ(ImageDrawTransparent(slot, plugin(), 50, 50, 100, 100, 0, 0), 1);
  EXPECT_EQ(at(60, 70), PatternPixel(10, 20));
}

TEST_F(ImageInPass, AFailedLoadLeavesTheSlotEmpty) {
  ASSERT_EQ(ImageLoadResourceId(slot, kPatternResource), 1);
  EXPECT_EQ(ImageLoadFile(slot, "Z:/quorvantile/no such picture.png"), 0);
  EXPECT_EQ(ImageGetWidth(slot), 0.0);
  EXPECT_EQ(ImageDraw(slot, plugin(), 0, 0, 10, 10, 0, 0), 0);
  ASSERT_EQ(ImageLoadResourceId(slot, kPatternResource), 1);
  EXPECT_EQ(ImageLoadResourceId(slot, kEmptyResource), 0) << "a resource with no picture in it";
  EXPECT_EQ(ImageGetHeight(slot), 0.0);
  EXPECT_EQ(ImageLoadResourceName(slot, "NO_SUCH_PICTURE"), 0);
}

TEST_F(ImageInPass, AFileUnderAPathBeyondAsciiLoads) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"qv-bild-\u00FC\u00DF-\u0436.png";
  // The picture's own bytes, out of the program's resources.
  HRSRC const found = FindResourceW(nullptr, MAKEINTRESOURCEW(kPatternResource), L"DATA");
  const auto* const bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  HANDLE const file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes, SizeofResource(nullptr, found), &written, nullptr);
  CloseHandle(file);
  EXPECT_EQ(ImageLoadFile(slot, VSTGUI::Utf8FromWide(path.c_str()).c_str()), 1);
  EXPECT_EQ(ImageGetWidth(slot), 50.0);
  DeleteFileW(path.c_str());
}

TEST_F(ImageInPass, ColourAndAlphaFlagAreKeptForTheScript) {
  std::int32_t red = -1, green = -1, blue = -1, alpha = -1;
  EXPECT_EQ(ImageGetTransparentColor(slot, &red, &green, &blue, &alpha), 0) << "empty";
  EXPECT_EQ(ImageSetNoAlpha(slot, 1), 0);
  ASSERT_EQ(ImageLoadResourceId(slot, kPatternResource), 1);
  EXPECT_EQ(ImageSetTransparentColor(slot, 0x101, 2, 3, 4), 1);
  EXPECT_EQ(ImageGetTransparentColor(slot, &red, &green, &blue, &alpha), 1);
  EXPECT_EQ(red, 1);
  EXPECT_EQ(alpha, 4);
  EXPECT_EQ(ImageSetNoAlpha(slot, 0x102), 1);
  EXPECT_EQ(ImageGetNoAlpha(slot), 2);
}

TEST(ImageSlots, NullSlotsAnswerZero) {
  EXPECT_EQ(ImageSlotFree(nullptr), 0);
  EXPECT_EQ(ImageLoadFile(nullptr, "x.png"), 0);
  EXPECT_EQ(ImageLoadResourceId(nullptr, kPatternResource), 0);
  EXPECT_EQ(ImageGetWidth(nullptr), 0.0);
  EXPECT_EQ(ImageGetNoAlpha(nullptr), 0);
  EXPECT_EQ(ImageSetTransparentColor(nullptr, 1, 2, 3, 4), 0);
  EXPECT_EQ(ImageSlotFree(ImageSlotCreate()), 1);
}

}  // namespace
