#include "runtime/zepkin_strings.h"

std::string& CZepkinStrings::StringAt(std::int32_t key) {
  std::string& entry = strings[key];
  stringCount = static_cast<double>(strings.size());
  return entry;
}
