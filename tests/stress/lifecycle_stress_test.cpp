#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/stress/process_resources.h"
#include "tests/support/test_host.h"
#include "tools/vst_host/plugin_library.h"

// This program never holds the plug-in loaded between sessions (it does not use
// BuiltPlugin), so that every cycle unloads it as far as the platform lets it.

namespace {

constexpr int kCycles = 1000;
constexpr int kWarmUpCycles = 3;
constexpr int kInstances = 1000;
constexpr std::size_t kFrames = 512;

// A host that answers the version query and keeps nothing: what the process holds
// beyond the test's own buffers is what the plug-in holds.
VstIntPtr VSTCALLBACK QuietHost(AEffect* /*effect*/, VstInt32 opcode, VstInt32 /*index*/, VstIntPtr /*value*/,
                                void* /*ptr*/, float /*opt*/) {
  return opcode == audioMasterVersion ? kVstVersion : 0;
}

long long Difference(std::size_t later, std::size_t earlier) {
  return static_cast<long long>(later) - static_cast<long long>(earlier);
}

void Report(const char* what, const ProcessResources& before, const ProcessResources& after) {
  std::printf("%s: heap %zu -> %zu bytes (%+lld), handles %zu -> %zu, threads %zu -> %zu, free thread-local slots %zu -> "
              "%zu\n",
              what, before.heapBytes, after.heapBytes, Difference(after.heapBytes, before.heapBytes), before.handles,
              after.handles, before.threads, after.threads, before.freeThreadLocalSlots, after.freeThreadLocalSlots);
}

void ExpectNothingLeftBehind(const ProcessResources& before, const ProcessResources& after) {
  EXPECT_EQ(after.handles, before.handles);
  EXPECT_EQ(after.threads, before.threads);
  EXPECT_EQ(after.freeThreadLocalSlots, before.freeThreadLocalSlots);
}

class LifecycleStress : public ::testing::Test {
 protected:
  // A host's whole session with the plug-in: load, create, open, resume, process a block
  // at full level (which passes it unchanged), suspend, close, unload.
  void Session() {
    PluginLibrary library(path);
    ASSERT_TRUE(library.loaded()) << path;
    PluginInstance instance(library.entryPoint("VSTPluginMain")(QuietHost));
    ASSERT_NE(instance.effect(), nullptr);
    instance.start();
    instance.process(left, right);
    instance.dispatch(effMainsChanged, 0, 0);
  }

  const std::string path = BuiltPluginPath();
  std::vector<float> left = std::vector<float>(kFrames, 0.5f);
  std::vector<float> right = std::vector<float>(kFrames, -0.25f);
};

TEST_F(LifecycleStress, AThousandLoadProcessUnloadCyclesLeaveNothingBehind) {
  // The first sessions bring what the process keeps for any library (the loader's
  // lookup tables, for one, grow to their size once) and, where the plug-in stays
  // loaded, what it keeps for the process.
  for (int cycle = 0; cycle < kWarmUpCycles; ++cycle) Session();
  ASSERT_FALSE(HasFatalFailure());
  const ProcessResources before = MeasureProcessResources();
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    Session();
    ASSERT_FALSE(HasFatalFailure()) << "cycle " << cycle;
    ASSERT_EQ(LibraryIsLoaded(path), PluginStaysLoaded()) << "cycle " << cycle;
  }
  const ProcessResources after = MeasureProcessResources();
  Report("1000 load/process/unload cycles", before, after);

  // A leak of even one byte per cycle would show as a thousand.
  if (!SanitizerKeepsMemoryPerLoad()) {
    EXPECT_LT(Difference(after.heapBytes, before.heapBytes), kCycles);
  }
  ExpectNothingLeftBehind(before, after);
  EXPECT_EQ(left, std::vector<float>(kFrames, 0.5f));
  EXPECT_EQ(right, std::vector<float>(kFrames, -0.25f));
}

TEST_F(LifecycleStress, AThousandInstancesAliveAtOnceHoldOnlyTheirOwnMemory) {
  PluginLibrary library(path);
  ASSERT_TRUE(library.loaded()) << path;
  const PluginEntryPoint entry = library.entryPoint("VSTPluginMain");
  PluginInstance(entry(QuietHost)).start();  // the first instance builds the shared transform tables
  std::vector<float> block(64, 1.0f), other(64, 1.0f);
  const ProcessResources before = MeasureProcessResources();
  ProcessResources alive;
  {
    std::vector<std::unique_ptr<PluginInstance>> instances;
    instances.reserve(kInstances);
    for (int i = 0; i < kInstances; ++i) {
      instances.push_back(std::make_unique<PluginInstance>(entry(QuietHost)));
      ASSERT_NE(instances.back()->effect(), nullptr) << i;
      instances.back()->start();
      instances.back()->setParameter(0, static_cast<float>(i % 101) / 100.0f);
      instances.back()->process(block, other, block.size());
    }
    alive = MeasureProcessResources();
    for (int i = 0; i < kInstances; ++i) {
      EXPECT_NEAR(instances[i]->parameter(0), static_cast<float>(i % 101) / 100.0f, 1e-6f) << i;
    }
  }
  const ProcessResources after = MeasureProcessResources();
  Report("1000 instances alive", before, alive);
  Report("all closed again", before, after);
  std::printf("per instance: %lld bytes\n", Difference(alive.heapBytes, before.heapBytes) / kInstances);

  EXPECT_LT(Difference(after.heapBytes, before.heapBytes), kInstances);
  ExpectNothingLeftBehind(before, alive);
  ExpectNothingLeftBehind(before, after);
}

}  // namespace
