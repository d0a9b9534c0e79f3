#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "runtime/zepkin_description.h"

// The string table: texts addressed by number, as translated scripts refer to their
// string literals.
class CZepkinStrings : public CZepkinDescription {
 public:
  // The entry under `key`, created empty when absent; updates stringCount.
  std::string& StringAt(std::int32_t key);

  std::map<std::int32_t, std::string> strings;
  double stringCount = 0.0;

 protected:
  CZepkinStrings() = default;
  ~CZepkinStrings() = default;
};
