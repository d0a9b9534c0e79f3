#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "runtime/cache_line_allocator.h"

// Script memory: one sparse array of doubles addressed by any 32-bit index, kept as
// 65536-cell blocks that are created, zero-filled, on first touch, each starting on a
// cache line. The spectral builtins work in place on runs of consecutive cells of it.
class CZepkinMemory {
 public:
  static constexpr int kBlockBits = 16;
  static constexpr std::int32_t kBlockLength = std::int32_t{1} << kBlockBits;

  // Modes of FftTransform.
  static constexpr std::int32_t kFftForward = 0;
  static constexpr std::int32_t kFftInverse = 1;
  static constexpr std::int32_t kFftToNaturalOrder = 4;
  static constexpr std::int32_t kFftToTransformOrder = 5;

  // The cell at `index`; the cells up to the end of its block follow it contiguously.
  double* MemoryAt(std::int32_t index);

  // The spectral builtins. A run of cells that crosses into the next block (or wraps
  // from the highest index to the lowest) is treated as if it were contiguous. Complex
  // values are (real, imaginary) pairs of cells.

  // The complex transform of `size` values at `index`, size rounded down to a power of
  // two that must lie in 16 … 32768: mode kFftForward, kFftInverse (both unscaled, the
  // spectrum in the transform's own order) or a reordering between that order and the
  // natural one. Other sizes and modes do nothing.
  void FftTransform(std::int32_t index, std::int32_t size, std::int32_t mode);
  // The MDCT with sine window, size rounded down to a power of two that must lie in
  // 32 … 4096: forward, `size` cells become size/2 coefficients; inverse (non-zero
  // flag), size/2 coefficients become `size` cells. Other sizes do nothing.
  void Mdct(std::int32_t index, std::int32_t size, std::int32_t inverse);
  // destination[k] = destination[k] × source[k] as complex numbers, for `count` complex
  // values rounded down to an even number; nothing for a count of 0 or less.
  void ComplexMultiply(std::int32_t destination, std::int32_t source, std::int32_t count);

  using Block = std::vector<double, CacheLineAllocator<double>>;
  std::map<std::int32_t, Block> memoryBlocks;

 protected:
  CZepkinMemory() = default;
  ~CZepkinMemory() = default;

 private:
  // The index `cells` cells after `index`; indices wrap around the 32-bit range.
  static std::int32_t Advance(std::int32_t index, std::int32_t cells) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(index) + static_cast<std::uint32_t>(cells));
  }
  // Cells from `index` to the end of its block.
  static std::int32_t CellsToBlockEnd(std::int32_t index) { return kBlockLength - (index & (kBlockLength - 1)); }

  // Copies `count` consecutive cells from `index` on, across blocks.
  void ReadCells(std::int32_t index, double* destination, std::int32_t count);
  void WriteCells(std::int32_t index, const double* source, std::int32_t count);
  // Runs operation(cells) on `span` consecutive cells; when they cross a block boundary,
  // on a contiguous copy of the first `readCount` of them, of which the first
  // `writeCount` are then copied back.
  template <typename Operation>
  void OnCells(std::int32_t index, std::int32_t span, std::int32_t readCount, std::int32_t writeCount,
               Operation operation);
  double* SpectralWorkspace();

  // The spectral builtins' working memory: room to gather the cells of the largest
  // transform when they cross a block boundary, then the MDCT's working values. It is
  // allocated on first need and kept, so that later calls allocate nothing, and it
  // belongs to this object so that scripts on other threads never share it. It is left
  // uninitialised: every use writes before it reads, and untouched parts cost no pages.
  std::unique_ptr<double[]> spectralWorkspace_;
};
