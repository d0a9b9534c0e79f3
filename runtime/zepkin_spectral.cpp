#include <algorithm>

#include "runtime/fft.h"
#include "runtime/mdct.h"
#include "runtime/spectral_tables.h"
#include "runtime/zepkin_memory.h"

namespace {

// The workspace starts with room for the cells of the largest operation (a transform
// of 32768 complex values, or an inverse MDCT's 4096 outputs); the MDCT's working
// values follow.
constexpr std::int32_t kGatherLength = std::max(2 * kFftMaxSize, kMdctMaxSize);
constexpr std::int32_t kWorkspaceLength = kGatherLength + MdctWorkLength(kMdctMaxSize);

bool IsFftMode(std::int32_t mode) {
  return mode == CZepkinMemory::kFftForward || mode == CZepkinMemory::kFftInverse ||
         mode == CZepkinMemory::kFftToNaturalOrder || mode == CZepkinMemory::kFftToTransformOrder;
}

void RunFft(double* data, std::int32_t n, std::int32_t mode) {
  switch (mode) {
    case CZepkinMemory::kFftForward:
      FftForward(data, n);
      break;
    case CZepkinMemory::kFftInverse:
      FftInverse(data, n);
      break;
    case CZepkinMemory::kFftToNaturalOrder:
      FftToNaturalOrder(data, n);
      break;
    default:
      FftToTransformOrder(data, n);
      break;
  }
}

// destination[k] ×= source[k] for `values` complex values; reads each pair before it
// writes, so the two may be the same cells.
void MultiplyRun(double* destination, const double* source, std::int32_t values) {
  for (std::int32_t k = 0; k < 2 * values; k += 2) {
    const double a = destination[k], b = destination[k + 1], c = source[k], d = source[k + 1];
    destination[k] = a * c - b * d;
    destination[k + 1] = a * d + b * c;
  }
}

}  // namespace

double* CZepkinMemory::SpectralWorkspace() {
  if (!spectralWorkspace_) spectralWorkspace_.reset(new double[kWorkspaceLength]);
  return spectralWorkspace_.get();
}

template <typename Operation>
void CZepkinMemory::OnCells(std::int32_t index, std::int32_t span, std::int32_t readCount, std::int32_t writeCount,
                            Operation operation) {
  if (span <= CellsToBlockEnd(index)) {
    operation(MemoryAt(index));
    return;
  }
  double* const gathered = SpectralWorkspace();
  ReadCells(index, gathered, readCount);
  operation(gathered);
  WriteCells(index, gathered, writeCount);
}

void CZepkinMemory::FftTransform(std::int32_t index, std::int32_t size, std::int32_t mode) {
  const std::int32_t n = FloorPowerOfTwo(size);
  if (n < kFftMinSize || n > kFftMaxSize || !IsFftMode(mode)) return;
  OnCells(index, 2 * n, 2 * n, 2 * n, [n, mode](double* data) { RunFft(data, n, mode); });
}

void CZepkinMemory::Mdct(std::int32_t index, std::int32_t size, std::int32_t inverse) {
  const std::int32_t n = FloorPowerOfTwo(size);
  if (n < kMdctMinSize || n > kMdctMaxSize) return;
  const MdctLookup& lookup = SharedMdctLookup(n);
  double* const work = SpectralWorkspace() + kGatherLength;
  if (inverse) {
    OnCells(index, n, n / 2, n, [&lookup, work](double* cells) { MdctInverse(lookup, cells, work); });
  } else {
    OnCells(index, n, n, n / 2, [&lookup, work](double* cells) { MdctForward(lookup, cells, work); });
  }
}

// Runs within both blocks are multiplied in place; a complex value split across a block
// boundary is reached cell by cell.
void CZepkinMemory::ComplexMultiply(std::int32_t destination, std::int32_t source, std::int32_t count) {
  if (count <= 0) return;
  std::int32_t values = count - count % 2;
  while (values > 0) {
    const std::int32_t run = std::min({values, CellsToBlockEnd(destination) / 2, CellsToBlockEnd(source) / 2});
    if (run > 0) {
      MultiplyRun(MemoryAt(destination), MemoryAt(source), run);
    } else {
      double* const to[2] = {MemoryAt(destination), MemoryAt(Advance(destination, 1))};
      const double* const from[2] = {MemoryAt(source), MemoryAt(Advance(source, 1))};
      const double a = *to[0], b = *to[1], c = *from[0], d = *from[1];
      *to[0] = a * c - b * d;
      *to[1] = a * d + b * c;
    }
    const std::int32_t done = std::max(run, 1);
    destination = Advance(destination, 2 * done);
    source = Advance(source, 2 * done);
    values -= done;
  }
}
