#pragma once

#include <cstdint>

#include "vstgui/base_object.h"

namespace VSTGUI {

// What is being dragged, handed out item by item as UTF-8 text.
class CDragContainer : public CBaseObject {
 public:
  enum ItemKind : std::int32_t { kFile = 0, kUnicodeText = 1, kText = 2, kUnknown = -1, kError = -2 };

  // Each answers the item's bytes (owned by the container until the next call), or
  // null when there is none; `size` and `kind` describe it.
  virtual const void* first(std::int32_t& size, std::int32_t& kind) = 0;
  virtual const void* next(std::int32_t& size, std::int32_t& kind) = 0;
  virtual std::int32_t getType(std::int32_t index) const = 0;
  virtual std::int32_t getCount() const = 0;
};

}  // namespace VSTGUI
