#include "runtime/zepkin_memory.h"

#include <algorithm>

double* CZepkinMemory::MemoryAt(std::int32_t index) {
  const std::int32_t blockNumber = index >> kBlockBits;  // arithmetic: negative indices, negative blocks
  const std::int32_t offset = index & (kBlockLength - 1);
  Block& block = memoryBlocks[blockNumber];
  block.resize(kBlockLength);
  return block.data() + offset;
}

void CZepkinMemory::ReadCells(std::int32_t index, double* destination, std::int32_t count) {
  while (count > 0) {
    const std::int32_t span = std::min(count, CellsToBlockEnd(index));
    const double* const cells = MemoryAt(index);
    destination = std::copy(cells, cells + span, destination);
    index = Advance(index, span);
    count -= span;
  }
}

void CZepkinMemory::WriteCells(std::int32_t index, const double* source, std::int32_t count) {
  while (count > 0) {
    const std::int32_t span = std::min(count, CellsToBlockEnd(index));
    std::copy(source, source + span, MemoryAt(index));
    source += span;
    index = Advance(index, span);
    count -= span;
  }
}
