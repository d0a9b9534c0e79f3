#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "vstgui/base_object.h"
#include "vstgui/gdiplus_record.h"
#include "vstgui/live_objects.h"

namespace VSTGUI {

// Style bits of a font description. A GDI+ font takes only one of them: underline,
// else italic, else bold.
constexpr std::int32_t kBoldFace = 1;
constexpr std::int32_t kItalicFace = 2;
constexpr std::int32_t kUnderlineFace = 4;

// A font by family name, pixel size and style bits. The GDI+ font is made on first
// use and kept until the description changes; a family that GDI+ does not know gives
// a font record without a native font, and text drawn with it shows nothing.
class CFontDesc final : public CBaseObject {
 public:
  explicit CFontDesc(const char* name = nullptr, double size = 0.0, std::int32_t style = 0);
  CFontDesc(const CFontDesc& other);
  CFontDesc& operator=(const CFontDesc& other);
  ~CFontDesc() override;

  const char* getName() const { return name_ ? name_->c_str() : nullptr; }
  double getSize() const { return size_; }
  std::int32_t getStyle() const { return style_; }
  void setName(const char* name);
  void setSize(double size);
  void setStyle(std::int32_t style);
  // Same name byte for byte, same size and style.
  bool operator==(const CFontDesc& other) const;

  // The GDI+ font, made now if this description has none yet; null when the family
  // is not installed.
  Gdiplus::GpFont* platformFont();
  bool hasPlatformFont() const { return fontMade_; }

  // Deletes the GDI+ font of every description that holds one; GDI+'s shutdown runs
  // this first.
  static void deleteAllPlatformFonts();

 private:
  void deletePlatformFont();

  std::optional<std::string> name_;
  double size_;
  std::int32_t style_;
  bool fontMade_ = false;
  FontRecord font_;
  // Descriptions holding a GDI+ font, linked so that the shutdown finds them all.
  CFontDesc* previousWithFont_ = nullptr;
  CFontDesc* nextWithFont_ = nullptr;
  LiveObjectTally<ToolkitObject::font> tally_;
};

// The eight descriptions every module has: "Arial" 12, 18, 14, 12, 11, 10 and 9, then
// "Symbol" 13, all of style 0. The first is the initial font of every context.
constexpr int kStandardFontCount = 8;
CFontDesc* StandardFont(int index);

}  // namespace VSTGUI
