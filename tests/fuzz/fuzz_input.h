#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

// The fuzzer's bytes read front to back as a sequence of values. Past the end every
// value reads as 0, so that any input, however short, describes a complete run.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool exhausted() const { return position_ >= size_; }

  template <class Value>
  Value take() {
    static_assert(std::is_trivially_copyable<Value>::value, "values are read as raw bytes");
    unsigned char bytes[sizeof(Value)] = {};
    const std::size_t count = std::min(sizeof(Value), size_ - std::min(position_, size_));
    if (count > 0) std::memcpy(bytes, data_ + position_, count);
    position_ += count;
    Value value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }

  // A number from 0 to bound - 1.
  std::uint32_t below(std::uint32_t bound) { return take<std::uint16_t>() % bound; }

  // Copies the next `count` bytes (zeros past the end) to `destination`.
  void copyTo(void* destination, std::size_t count) {
    auto* bytes = static_cast<unsigned char*>(destination);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = take<unsigned char>();
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};
