#pragma once

#include <cstddef>
#include <cstring>
#include <vector>

// A host-owned buffer of exactly `size` usable bytes with guard bytes on both sides.
// AddressSanitizer sees reads and writes beyond the allocation; the guards show writes
// just outside the usable bytes, which lie inside it.
class GuardedBuffer {
 public:
  static constexpr std::size_t kGuardBytes = 16;
  static constexpr unsigned char kGuard = 0xA5;

  explicit GuardedBuffer(std::size_t size) : size_(size), bytes_(size + 2 * kGuardBytes, kGuard) {
    std::memset(data(), 0, size_);
  }

  unsigned char* data() { return bytes_.data() + kGuardBytes; }
  char* text() { return reinterpret_cast<char*>(data()); }
  std::size_t size() const { return size_; }

  bool guardsIntact() const {
    for (std::size_t i = 0; i < kGuardBytes; ++i) {
      if (bytes_[i] != kGuard || bytes_[kGuardBytes + size_ + i] != kGuard) return false;
    }
    return true;
  }
  // A text the plug-in wrote ends within the buffer.
  bool terminated() const { return size_ > 0 && std::memchr(bytes_.data() + kGuardBytes, 0, size_) != nullptr; }

 private:
  std::size_t size_;
  std::vector<unsigned char> bytes_;
};
