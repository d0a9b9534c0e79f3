#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "runtime/zepkin_files.h"

// A numbered font selection of a script.
struct FontSlot {
  std::string name;
  double size = 0.0;  // pixels
  std::int32_t style = 0;
};

class CZepkinFonts : public CZepkinFiles {
 public:
  // Selects a font as translated drawing code does: the line height follows the size,
  // the slot records the selection, and the family is asked for at the size's whole
  // number of pixels, "verdana" instead when that was refused (outside a drawing pass).
  // Answers what the last font request answered.
  std::int32_t SelectFontSlot(std::int32_t slot, const std::string& family, double size);

  std::map<std::int32_t, FontSlot> fontSlots;
  double textHeight = 0.0;

 protected:
  CZepkinFonts() = default;
  ~CZepkinFonts() = default;
};
