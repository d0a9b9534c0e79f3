// Script memory's spectral builtins called with arbitrary memory indices (negative ones,
// both ends of the 32-bit range, around block boundaries), sizes and modes. Every
// transform runs twice: on the fuzzed cells, and on a copy of them at the start of a
// block of a second runtime object, where they are contiguous. Checked each time: both
// give the same values, so a run that crosses a block boundary or wraps around the index
// range behaves as contiguous cells do; the cells on either side of the run keep their
// values; sizes and modes outside the range change nothing; the forward MDCT leaves the
// second half of its cells alone; and on freshly written values, small transforms match
// their definitions and every kernel set the processor runs gives the same transform.
// Complex multiplies are checked against the operation carried out value by value on a
// copy of the cells, overlapping runs included.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "runtime/fft.h"
#include "runtime/fft_kernel_sets.h"
#include "runtime/mdct_lookup.h"
#include "runtime/spectral_tables.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/require.h"
#include "tests/runtime/spectral_reference.h"

namespace {

constexpr int kMaxOperations = 8;
// The cells all operations of one input may span together: one transform of the largest
// size, or a multiply of its most values, or smaller ones. An
// operation that would pass it is not made, so that the target stays fast enough to
// explore (about a thousand inputs a second under the sanitizers).
constexpr std::int64_t kCellBudget = 2 * 32768;
constexpr std::size_t kKeptBlocks = 32;
// Sizes up to which fresh values are checked against the definitions, summed directly.
constexpr std::int32_t kReferenceFftSize = 128;
constexpr std::int32_t kReferenceMdctSize = 256;
// Sizes up to which the other kernel sets are run beside the one in use; the unit tests
// compare them at every size.
constexpr std::int32_t kKernelSetCheckSize = 4096;
constexpr double kTolerance = 1e-9;
// Complex multiplies span at most a little more than half a block, enough to cross into
// the next one: a script may name any count, but the cells it then touches are its own
// memory, not the builtin's concern.
constexpr std::int32_t kMaxMultiplyCount = CZepkinMemory::kBlockLength / 4 + 100;

std::int32_t CellAfter(std::int32_t index, std::int64_t cells) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(index) + static_cast<std::uint32_t>(cells));
}

// Calls operation(cells, count) for the consecutive pieces of a run within one block each.
template <class Operation>
void ForEachPiece(TZepkin& script, std::int32_t index, std::int64_t count, Operation operation) {
  for (std::int64_t done = 0; done < count;) {
    const std::int32_t cell = CellAfter(index, done);
    const std::int64_t toBlockEnd = CZepkinMemory::kBlockLength - (cell & (CZepkinMemory::kBlockLength - 1));
    const std::int64_t piece = std::min(count - done, toBlockEnd);
    operation(script.MemoryAt(cell), static_cast<std::size_t>(done), static_cast<std::size_t>(piece));
    done += piece;
  }
}

// Copies of cells in buffers kept from input to input, one for each use: new ones for
// every run read would take most of the target's time, in new pages.
enum Buffer { kInputCells, kResultCells, kContiguousCells, kModelDestination, kModelSource, kCellsNow, kFresh, kBuffers };

std::vector<double>& Kept(Buffer buffer) {
  static std::vector<double> buffers[kBuffers];
  return buffers[buffer];
}

std::vector<double>& ReadCells(TZepkin& script, std::int32_t index, std::int32_t count, Buffer into) {
  std::vector<double>& values = Kept(into);
  values.resize(static_cast<std::size_t>(count));
  ForEachPiece(script, index, count, [&values](const double* cells, std::size_t at, std::size_t piece) {
    std::copy(cells, cells + piece, values.begin() + static_cast<std::ptrdiff_t>(at));
  });
  return values;
}

// Values in [-1, 1), as the spectral tests draw them.
const std::vector<double>& FreshValues(std::size_t count, unsigned seed) {
  std::vector<double>& values = Kept(kFresh);
  values.resize(count);
  std::mt19937_64 generator(seed);
  for (double& value : values) value = static_cast<double>(generator() >> 11) * 0x1p-52 - 1.0;
  return values;
}

void WriteCells(TZepkin& script, std::int32_t index, const std::vector<double>& values) {
  ForEachPiece(script, index, static_cast<std::int64_t>(values.size()),
               [&values](double* cells, std::size_t at, std::size_t piece) {
                 std::copy(values.begin() + static_cast<std::ptrdiff_t>(at),
                           values.begin() + static_cast<std::ptrdiff_t>(at + piece), cells);
               });
}

// Equal bits, or both NaN: a NaN's payload is no result of the operations checked here.
bool Same(double a, double b) {
  std::uint64_t aBits = 0, bBits = 0;
  std::memcpy(&aBits, &a, sizeof a);
  std::memcpy(&bBits, &b, sizeof b);
  return aBits == bBits || (std::isnan(a) && std::isnan(b));
}

bool Same(const std::vector<double>& a, const std::vector<double>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (!Same(a[k], b[k])) return false;
  }
  return true;
}

bool Close(const std::vector<double>& result, const std::vector<double>& expected) {
  double difference = 0.0, reference = 0.0;
  for (std::size_t k = 0; k < expected.size(); ++k) {
    difference += (result[k] - expected[k]) * (result[k] - expected[k]);
    reference += expected[k] * expected[k];
  }
  return std::sqrt(difference) <= kTolerance * (std::sqrt(reference) + 1.0);
}

ComplexVector AsComplex(const std::vector<double>& cells) {
  ComplexVector values(cells.size() / 2);
  for (std::size_t k = 0; k < values.size(); ++k) values[k] = {cells[2 * k], cells[2 * k + 1]};
  return values;
}

std::vector<double> AsCells(const ComplexVector& values) {
  std::vector<double> cells;
  for (const Complex& value : values) cells.insert(cells.end(), {value.real(), value.imag()});
  return cells;
}

// A handful of blocks near index 0, the lowest and the highest block, and now and then
// any index at all.
std::int32_t PickIndex(FuzzInput& input) {
  constexpr std::int32_t kBlocks[] = {0, 1, -1, -2, 2, std::numeric_limits<std::int32_t>::min() >> 16,
                                      std::numeric_limits<std::int32_t>::max() >> 16};
  constexpr std::uint32_t kLastCell = CZepkinMemory::kBlockLength - 1;
  const std::uint32_t block = static_cast<std::uint32_t>(kBlocks[input.below(sizeof kBlocks / sizeof *kBlocks)]);
  std::uint32_t offset = 0;
  switch (input.below(5)) {
    case 0:
      offset = input.take<std::uint16_t>();
      break;
    case 1:
      offset = kLastCell - input.below(128);
      break;
    case 2:
      offset = input.below(128);
      break;
    case 3:
      offset = CZepkinMemory::kBlockLength / 2 - 64 + input.below(128);
      break;
    default:
      return input.take<std::int32_t>();
  }
  return static_cast<std::int32_t>((block << CZepkinMemory::kBlockBits) | (offset & kLastCell));
}

// Powers of two within and just outside the range, a little off them, or anything.
std::int32_t PickSize(FuzzInput& input, int lowestLog2, int highestLog2) {
  const int log2 = lowestLog2 + static_cast<int>(input.below(static_cast<std::uint32_t>(highestLog2 - lowestLog2 + 1)));
  switch (input.below(4)) {
    case 0:
      return input.take<std::int32_t>();
    case 1:
      return (std::int32_t{1} << log2) + static_cast<std::int32_t>(input.below(64)) - 32;
    default:
      return std::int32_t{1} << log2;
  }
}

// Complex multiply carried out one complex value after the other on copies of the cells
// involved: the destination run with a cell on either side, and the source run, whose
// cells that lie in the destination run are taken from that copy.
class MultiplyModel {
 public:
  MultiplyModel(TZepkin& script, std::int32_t destination, std::int32_t source, std::int64_t values)
      : destination_(destination),
        source_(source),
        values_(values),
        first_(CellAfter(destination, -1)),
        destinationCells_(ReadCells(script, first_, static_cast<std::int32_t>(2 * values + 2), kModelDestination)),
        sourceCells_(ReadCells(script, source, static_cast<std::int32_t>(2 * values), kModelSource)) {
    for (std::int64_t k = 0; k < values_; ++k) {
      double& real = Cell(CellAfter(destination_, 2 * k));
      double& imaginary = Cell(CellAfter(destination_, 2 * k + 1));
      const double a = real, b = imaginary;
      const double c = Cell(CellAfter(source_, 2 * k)), d = Cell(CellAfter(source_, 2 * k + 1));
      real = a * c - b * d;
      imaginary = a * d + b * c;
    }
  }

  bool Matches(TZepkin& script) {
    const auto span = static_cast<std::int32_t>(destinationCells_.size());
    if (!Same(ReadCells(script, first_, span, kCellsNow), destinationCells_)) return false;
    const std::vector<double>& sourceNow = ReadCells(script, source_, static_cast<std::int32_t>(2 * values_), kCellsNow);
    for (std::int64_t k = 0; k < 2 * values_; ++k) {
      if (!Same(sourceNow[static_cast<std::size_t>(k)], Cell(CellAfter(source_, k)))) return false;
    }
    return true;
  }

 private:
  double& Cell(std::int32_t index) {
    const std::uint32_t inDestination = static_cast<std::uint32_t>(index) - static_cast<std::uint32_t>(first_);
    if (inDestination < destinationCells_.size()) return destinationCells_[inDestination];
    return sourceCells_[static_cast<std::uint32_t>(index) - static_cast<std::uint32_t>(source_)];
  }

  const std::int32_t destination_;
  const std::int32_t source_;
  const std::int64_t values_;
  const std::int32_t first_;
  std::vector<double>& destinationCells_;
  std::vector<double>& sourceCells_;
};

// The runs of cells an input wrote to, so that the next input can zero just those.
struct TouchedRun {
  TZepkin* script;
  std::int32_t index;
  std::int64_t count;
};

class SpectralRun {
 public:
  SpectralRun(FuzzInput& input, TZepkin& fuzzed, TZepkin& contiguous, std::vector<TouchedRun>& touched)
      : input_(input), fuzzed_(fuzzed), contiguous_(contiguous), touched_(touched) {}

  void Fft() {
    const std::int32_t index = PickIndex(input_);
    const std::int32_t size = PickSize(input_, kFftMinLog2 - 2, kFftMaxLog2 + 1);
    const std::int32_t mode = input_.below(5) == 0 ? input_.take<std::int32_t>() : PickFftMode();
    const std::int32_t n = FloorPowerOfTwo(size);
    const bool runs = n >= kFftMinSize && n <= kFftMaxSize &&
                      (mode == CZepkinMemory::kFftForward || mode == CZepkinMemory::kFftInverse ||
                       mode == CZepkinMemory::kFftToNaturalOrder || mode == CZepkinMemory::kFftToTransformOrder);
    const std::int32_t span = 2 * (runs ? n : std::min(std::max(n, kFftMinSize), kFftMaxSize));
    if (!Spend(span)) return;
    const std::vector<double>& input = Prepare(index, span);
    fuzzed_.FftTransform(index, size, mode);
    contiguous_.FftTransform(0, size, mode);
    const std::vector<double>& result = Compare(index, span, input, runs);
    if (runs && fresh_ && n <= kReferenceFftSize) CheckFftDefinition(n, mode, input, result);
    const bool transforms = mode == CZepkinMemory::kFftForward || mode == CZepkinMemory::kFftInverse;
    if (runs && fresh_ && transforms && n <= kKernelSetCheckSize) CheckKernelSets(n, mode, input, result);
  }

  void Mdct() {
    const std::int32_t index = PickIndex(input_);
    const std::int32_t size = PickSize(input_, kMdctMinLog2 - 2, kMdctMaxLog2 + 1);
    const std::int32_t inverse = input_.below(4) == 0 ? input_.take<std::int32_t>() : input_.below(2);
    const std::int32_t n = FloorPowerOfTwo(size);
    const bool runs = n >= kMdctMinSize && n <= kMdctMaxSize;
    const std::int32_t span = runs ? n : std::min(std::max(n, kMdctMinSize), kMdctMaxSize);
    if (!Spend(span)) return;
    const std::vector<double>& input = Prepare(index, span);
    fuzzed_.Mdct(index, size, inverse);
    contiguous_.Mdct(0, size, inverse);
    const std::vector<double>& result = Compare(index, span, input, runs);
    if (!runs) return;
    const auto half = static_cast<std::ptrdiff_t>(n / 2);
    if (!inverse) {
      Require(Same(std::vector<double>(result.begin() + half, result.end()),
                   std::vector<double>(input.begin() + half, input.end())),
              "the forward MDCT leaves the second half of its cells alone");
    }
    if (!fresh_ || n > kReferenceMdctSize) return;
    if (inverse) {
      const std::vector<double> coefficients(input.begin(), input.begin() + half);
      Require(Close(result, Scaled(Windowed(DirectInverseMdct(coefficients)), MdctInverseScale(n))),
              "the inverse MDCT matches its definition");
    } else {
      Require(Close(std::vector<double>(result.begin(), result.begin() + half),
                    Scaled(DirectMdct(Windowed(input)), MdctForwardScale(n))),
              "the forward MDCT matches its definition");
    }
  }

  void ComplexMultiply() {
    const std::int32_t destination = PickIndex(input_);
    const std::int32_t source =
        input_.below(2) == 0 ? PickIndex(input_) : CellAfter(destination, static_cast<std::int32_t>(input_.below(9)) - 4);
    std::int32_t count = 0;
    switch (input_.below(4)) {
      case 0:
        count = static_cast<std::int32_t>(input_.below(64));
        break;
      case 1:
        count = CZepkinMemory::kBlockLength / 4 + static_cast<std::int32_t>(input_.below(64)) - 32;
        break;
      case 2:
        count = -static_cast<std::int32_t>(input_.below(1000));
        break;
      default:
        count = std::min(input_.take<std::int32_t>(), kMaxMultiplyCount);
        break;
    }
    const std::int64_t values = count > 0 ? count - count % 2 : 0;
    if (!Spend(2 * values)) return;
    if (input_.below(2) == 0) {
      WriteCells(fuzzed_, destination, FreshValues(64, input_.take<std::uint16_t>()));
      WriteCells(fuzzed_, source, FreshValues(64, input_.take<std::uint16_t>()));
      touched_.push_back({&fuzzed_, source, 64});
    }
    touched_.push_back({&fuzzed_, destination, std::max<std::int64_t>(2 * values, 64)});
    MultiplyModel model(fuzzed_, destination, source, values);
    fuzzed_.ComplexMultiply(destination, source, count);
    Require(model.Matches(fuzzed_), "complex multiply matches the product value by value");
  }

 private:
  bool Spend(std::int64_t cells) {
    if (cells > cellsLeft_) return false;
    cellsLeft_ -= cells;
    return true;
  }

  std::int32_t PickFftMode() {
    constexpr std::int32_t kModes[] = {CZepkinMemory::kFftForward, CZepkinMemory::kFftInverse,
                                       CZepkinMemory::kFftToNaturalOrder, CZepkinMemory::kFftToTransformOrder};
    return kModes[input_.below(4)];
  }

  // Fresh values in [-1, 1) for the run now and then, else whatever earlier operations
  // left there; the same cells, contiguous, in the second object. Answers the cells.
  const std::vector<double>& Prepare(std::int32_t index, std::int32_t span) {
    fresh_ = input_.below(2) == 0;
    touched_.push_back({&fuzzed_, index, span});
    touched_.push_back({&contiguous_, 0, span});
    if (fresh_) WriteCells(fuzzed_, index, FreshValues(static_cast<std::size_t>(span), input_.take<std::uint16_t>()));
    before_ = *fuzzed_.MemoryAt(CellAfter(index, -1));
    after_ = *fuzzed_.MemoryAt(CellAfter(index, span));
    const std::vector<double>& cells = ReadCells(fuzzed_, index, span, kInputCells);
    WriteCells(contiguous_, 0, cells);
    return cells;
  }

  const std::vector<double>& Compare(std::int32_t index, std::int32_t span, const std::vector<double>& input,
                                     bool runs) {
    const std::vector<double>& result = ReadCells(fuzzed_, index, span, kResultCells);
    Require(Same(*fuzzed_.MemoryAt(CellAfter(index, -1)), before_) &&
                Same(*fuzzed_.MemoryAt(CellAfter(index, span)), after_),
            "the cells on either side of a run keep their values");
    Require(Same(result, ReadCells(contiguous_, 0, span, kContiguousCells)),
            "a run gives the same values wherever its cells lie");
    Require(runs || Same(result, input), "sizes and modes outside the range change nothing");
    return result;
  }

  // Every other kernel set this processor runs gives what the transforms gave, to rounding.
  static void CheckKernelSets(std::int32_t n, std::int32_t mode, const std::vector<double>& input,
                              const std::vector<double>& result) {
    for (const FftKernelSet set : kFftKernelSets) {
      // The set in use gave the result itself.
      if (!FftKernelSetSupported(set) || set == FftKernelSetInUse()) continue;
      std::vector<double> cells = input;
      if (mode == CZepkinMemory::kFftForward) {
        FftForwardWith(set, cells.data(), n);
      } else {
        FftInverseWith(set, cells.data(), n);
      }
      Require(Close(cells, result), "every kernel set gives the transform of the set in use");
    }
  }

  static void CheckFftDefinition(std::int32_t n, std::int32_t mode, const std::vector<double>& input,
                                 const std::vector<double>& result) {
    // Natural-order element k of a spectrum lives at element T[k] of the transform's order.
    const std::vector<std::int32_t>& order = SharedSpectralTables().Permutation(n);
    const ComplexVector values = AsComplex(input), transformed = AsComplex(result);
    ComplexVector expected(values.size());
    switch (mode) {
      case CZepkinMemory::kFftForward: {
        const ComplexVector spectrum = DirectDft(values);
        for (std::int32_t k = 0; k < n; ++k) expected[order[k]] = spectrum[k];
        break;
      }
      case CZepkinMemory::kFftInverse: {
        ComplexVector spectrum(values.size());
        for (std::int32_t k = 0; k < n; ++k) spectrum[k] = values[order[k]];
        expected = DirectDft(spectrum, +1);
        break;
      }
      case CZepkinMemory::kFftToNaturalOrder:
        for (std::int32_t k = 0; k < n; ++k) expected[k] = values[order[k]];
        Require(transformed == expected, "reordering into natural order moves every value unchanged");
        return;
      default:
        for (std::int32_t k = 0; k < n; ++k) expected[order[k]] = values[k];
        Require(transformed == expected, "reordering into the transform's order moves every value unchanged");
        return;
    }
    Require(Close(result, AsCells(expected)), "the transform matches its definition");
  }

  FuzzInput& input_;
  TZepkin& fuzzed_;
  TZepkin& contiguous_;
  std::vector<TouchedRun>& touched_;
  std::int64_t cellsLeft_ = kCellBudget;
  bool fresh_ = false;
  double before_ = 0.0;
  double after_ = 0.0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  // Runtime objects kept from input to input, so that their memory blocks are not made
  // anew each time (which would take most of the run); every input starts on zeroed
  // cells, as it would on new objects: what the last one wrote is zeroed again.
  static SpectralScript fuzzed, contiguous;
  static std::vector<TouchedRun> touched;
  for (const TouchedRun& run : touched) {
    ForEachPiece(*run.script, run.index, run.count,
                 [](double* cells, std::size_t, std::size_t piece) { std::memset(cells, 0, piece * sizeof *cells); });
  }
  touched.clear();
  for (TZepkin* script : {&fuzzed, &contiguous}) {
    if (script->memoryBlocks.size() > kKeptBlocks) script->memoryBlocks.clear();
  }
  SpectralRun run(input, fuzzed, contiguous, touched);
  for (int operation = 0; operation < kMaxOperations && !input.exhausted(); ++operation) {
    switch (input.below(3)) {
      case 0:
        run.Fft();
        break;
      case 1:
        run.Mdct();
        break;
      default:
        run.ComplexMultiply();
        break;
    }
  }
  return 0;
}
