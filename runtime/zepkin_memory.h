#pragma once

#include <cstdint>
#include <map>
#include <vector>

// Script memory: one sparse array of doubles addressed by any 32-bit index, kept as
// 65536-cell blocks that are created, zero-filled, on first touch.
class CZepkinMemory {
 public:
  static constexpr int kBlockBits = 16;
  static constexpr std::int32_t kBlockLength = std::int32_t{1} << kBlockBits;

  // The cell at `index`; the cells up to the end of its block follow it contiguously.
  double* MemoryAt(std::int32_t index);

  std::map<std::int32_t, std::vector<double>> memoryBlocks;

 protected:
  CZepkinMemory() = default;
  ~CZepkinMemory() = default;
};
