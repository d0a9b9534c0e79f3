#include "runtime/zepkin_memory.h"

double* CZepkinMemory::MemoryAt(std::int32_t index) {
  const std::int32_t blockNumber = index >> kBlockBits;  // arithmetic: negative indices, negative blocks
  const std::int32_t offset = index & (kBlockLength - 1);
  std::vector<double>& block = memoryBlocks[blockNumber];
  block.resize(kBlockLength);
  return block.data() + offset;
}
