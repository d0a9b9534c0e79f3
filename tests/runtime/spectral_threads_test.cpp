#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "runtime/spectral_tables.h"
#include "spectral_reference.h"

// This program holds only these tests, so that the shared tables and the MDCT lookups
// really are built for the first time by the two threads below.

namespace {

// Runs body(0) and body(1) on two threads released at the same moment.
template <typename Body>
void RaceTwo(Body body) {
  std::atomic<int> waiting{2};
  auto start = [&](int thread) {
    waiting.fetch_sub(1);
    while (waiting.load() > 0) std::this_thread::yield();
    body(thread);
  };
  std::thread first(start, 0), second(start, 1);
  first.join();
  second.join();
}

TEST(SpectralThreads, RuntimesCreatedOnTwoThreadsAtOnceShareOneSetOfTables) {
  const ComplexVector input = RandomComplex(1024, 1);
  std::vector<ComplexVector> results(2);
  const SpectralTables* tables[2] = {nullptr, nullptr};
  RaceTwo([&](int thread) {
    SpectralScript script;
    tables[thread] = &SharedSpectralTables();
    StoreComplex(script, 0, input);
    script.FftTransform(0, 1024, CZepkinMemory::kFftForward);
    script.FftTransform(0, 1024, CZepkinMemory::kFftToNaturalOrder);
    results[thread] = LoadComplex(script, 0, input.size());
  });
  EXPECT_EQ(tables[0], tables[1]);
  EXPECT_EQ(results[0], results[1]);
  EXPECT_LT(RelativeError(results[0], DirectDft(input)), 1e-12);
}

// The cells cross a block boundary, so each object works in its own workspace as well.
TEST(SpectralThreads, FirstMdctsOfASizeOnTwoThreadsAtOnceBuildOneLookup) {
  for (const std::int32_t n : {32, 256, 4096}) {
    const std::vector<double> input = RandomValues(static_cast<std::size_t>(n), static_cast<unsigned>(n));
    const std::int32_t index = CZepkinMemory::kBlockLength - n / 2;
    std::vector<std::vector<double>> results(2);
    SpectralScript scripts[2];
    RaceTwo([&](int thread) {
      StoreValues(scripts[thread], index, input);
      scripts[thread].Mdct(index, n, 0);
      results[thread] = LoadValues(scripts[thread], index, static_cast<std::size_t>(n / 2));
    });
    EXPECT_EQ(results[0], results[1]) << n;
    EXPECT_LT(RelativeError(results[0], Scaled(DirectMdct(Windowed(input)), MdctForwardScale(n))), 1e-12) << n;
  }
}

}  // namespace
