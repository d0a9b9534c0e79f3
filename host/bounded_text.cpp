#include "host/bounded_text.h"

#include <cstring>

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

void CopyBoundedText(char* destination, const char* source, std::size_t capacity) {
  if (capacity == 0) return;
  const std::size_t length = std::strlen(source);
  std::size_t count = length < capacity - 1 ? length : capacity - 1;
  if (count < length) {
    while (count > 0 && IsContinuationByte(source[count])) --count;
  }
  std::memcpy(destination, source, count);
  destination[count] = 0;
}
