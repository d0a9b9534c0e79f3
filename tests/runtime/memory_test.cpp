#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>

#include "runtime/zepkin.h"

namespace {

class Memory final : public TZepkin {};

TEST(ScriptMemory, FirstTouchCreatesAZeroFilledBlock) {
  Memory memory;
  EXPECT_TRUE(memory.memoryBlocks.empty());
  EXPECT_EQ(*memory.MemoryAt(0), 0.0);
  ASSERT_EQ(memory.memoryBlocks.count(0), 1u);
  EXPECT_EQ(memory.memoryBlocks.at(0).size(), 65536u);
  for (const double cell : memory.memoryBlocks.at(0)) ASSERT_EQ(cell, 0.0);
}

TEST(ScriptMemory, SixteenLowBitsSelectTheCellAndTheRestTheBlock) {
  Memory memory;
  double* const last = memory.MemoryAt(65535);
  double* const next = memory.MemoryAt(65536);
  EXPECT_EQ(last, memory.memoryBlocks.at(0).data() + 65535);
  EXPECT_EQ(next, memory.memoryBlocks.at(1).data());
  EXPECT_EQ(memory.memoryBlocks.size(), 2u);
}

// Vectors of complex values at the start of a block never straddle two cache lines.
TEST(ScriptMemory, EveryBlockStartsOnACacheLine) {
  Memory memory;
  for (const std::int32_t index : {0, 65536, -65536, 123456789 & ~65535}) {
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(memory.MemoryAt(index)) % 64, 0u) << index;
  }
}

TEST(ScriptMemory, NegativeIndicesFallIntoNegativeBlocks) {
  struct Place {
    std::int32_t index;
    std::int32_t block;
    std::ptrdiff_t element;
  };
  const Place places[] = {{-1, -1, 65535},
                          {-65536, -1, 0},
                          {-65537, -2, 65535},
                          {std::numeric_limits<std::int32_t>::min(), -32768, 0},
                          {std::numeric_limits<std::int32_t>::max(), 32767, 65535}};
  Memory memory;
  for (const Place& place : places) {
    double* const cell = memory.MemoryAt(place.index);
    EXPECT_EQ(cell, memory.memoryBlocks.at(place.block).data() + place.element) << place.index;
  }
}

TEST(ScriptMemory, CellsKeepTheirValuesAndTheirAddresses) {
  Memory memory;
  double* const cell = memory.MemoryAt(70000);
  *cell = 2.5;
  memory.MemoryAt(-5000000);  // another block; the first stays where it is
  EXPECT_EQ(memory.MemoryAt(70000), cell);
  EXPECT_EQ(*cell, 2.5);
  EXPECT_EQ(memory.MemoryAt(69999) + 1, cell);
}

TEST(ScriptMemory, AReachedBlockIsBroughtToItsFullLength) {
  Memory memory;
  memory.memoryBlocks[3].assign(10, 1.0);
  memory.memoryBlocks[4].assign(70000, 1.0);
  EXPECT_EQ(*memory.MemoryAt(3 * 65536 + 9), 1.0);
  EXPECT_EQ(*memory.MemoryAt(3 * 65536 + 10), 0.0);
  EXPECT_EQ(memory.memoryBlocks.at(3).size(), 65536u);
  memory.MemoryAt(4 * 65536);
  EXPECT_EQ(memory.memoryBlocks.at(4).size(), 65536u);
}

TEST(ScriptMemory, EveryCellReadsZeroAgainAfterOpen) {
  Memory memory;
  for (const std::int32_t index : {0, 65535, 65536, -1, 123456789}) *memory.MemoryAt(index) = index + 0.5;
  memory.DoOpen();
  EXPECT_TRUE(memory.memoryBlocks.empty());
  for (const std::int32_t index : {0, 65535, 65536, -1, 123456789}) EXPECT_EQ(*memory.MemoryAt(index), 0.0) << index;
  for (const auto& [number, block] : memory.memoryBlocks) {
    for (const double cell : block) ASSERT_EQ(cell, 0.0) << number;
  }
}

}  // namespace
