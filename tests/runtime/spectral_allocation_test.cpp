#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "spectral_reference.h"

// Every allocation of this test program is counted, so that the test below can show
// that the spectral builtins, once warmed up, allocate nothing.

namespace {

std::atomic<std::int64_t> allocationCount{0};

}  // namespace

void* operator new(std::size_t size) {
  allocationCount.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

// Script memory blocks are allocated aligned to a cache line. The system's own aligned
// allocation is not on every platform, so the heap's block is over-allocated and its
// address kept just before the aligned storage.
void* operator new(std::size_t size, std::align_val_t alignment) {
  allocationCount.fetch_add(1, std::memory_order_relaxed);
  const auto boundary = static_cast<std::uintptr_t>(alignment);
  void* const block = std::malloc(size + boundary + sizeof(void*));
  if (!block) throw std::bad_alloc();
  const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(block) + sizeof(void*);
  void** const aligned = reinterpret_cast<void**>((start + boundary - 1) / boundary * boundary);
  aligned[-1] = block;
  return aligned;
}

void operator delete(void* memory, std::align_val_t) noexcept {
  if (memory) std::free(static_cast<void**>(memory)[-1]);
}

void operator delete(void* memory, std::size_t, std::align_val_t alignment) noexcept {
  operator delete(memory, alignment);
}

namespace {

// Crossing and contiguous runs, every operation: the first round creates the blocks,
// the workspace and the MDCT lookups; later rounds find them all.
void RunEveryBuiltin(TZepkin& script) {
  const std::int32_t crossing = CZepkinMemory::kBlockLength - 100;
  for (const std::int32_t index : {0, crossing}) {
    for (const std::int32_t mode : {0, 4, 5, 1}) script.FftTransform(index, 4096, mode);
    script.Mdct(index, 1024, 0);
    script.Mdct(index, 1024, 1);
    script.Mdct(index, 32, 0);
    script.ComplexMultiply(index, index + 50000, 300);
  }
}

TEST(SpectralBuiltins, CallsAfterTheFirstAllocateNothing) {
  SpectralScript script;
  const std::int64_t start = allocationCount.load();
  RunEveryBuiltin(script);
  const std::int64_t before = allocationCount.load();
  EXPECT_GT(before, start);  // the counter does see the first round's blocks
  for (int round = 0; round < 3; ++round) RunEveryBuiltin(script);
  EXPECT_EQ(allocationCount.load(), before);
}

}  // namespace
