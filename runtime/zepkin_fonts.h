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
  std::map<std::int32_t, FontSlot> fontSlots;
  double textHeight = 0.0;

 protected:
  CZepkinFonts() = default;
  ~CZepkinFonts() = default;
};
