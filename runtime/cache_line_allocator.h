#pragma once

#include <cstddef>
#include <new>

// An allocator whose storage starts on a 64-byte boundary, the size of a cache line on
// the processors the plug-in runs on. The spectral builtins move complex values in
// vectors of up to 32 bytes; on memory that is only 16-byte aligned, as the heap gives
// large blocks, every second such vector would straddle two cache lines.
template <typename T>
struct CacheLineAllocator {
  using value_type = T;
  static constexpr std::align_val_t kAlignment{64};

  CacheLineAllocator() = default;
  template <typename U>
  CacheLineAllocator(const CacheLineAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) { return static_cast<T*>(::operator new(count * sizeof(T), kAlignment)); }
  void deallocate(T* pointer, std::size_t) noexcept { ::operator delete(pointer, kAlignment); }

  template <typename U>
  bool operator==(const CacheLineAllocator<U>&) const noexcept {
    return true;
  }
  template <typename U>
  bool operator!=(const CacheLineAllocator<U>&) const noexcept {
    return false;
  }
};
