#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/test_host.h"

namespace {

TEST(PluginEntry, LibraryExportsAllThreeEntryPoints) {
  ASSERT_TRUE(BuiltPlugin().loaded()) << BuiltPluginPath();
  for (const char* name : {"VSTPluginMain", "main", "MAIN"}) {
    EXPECT_NE(BuiltPlugin().entryPoint(name), nullptr) << name;
  }
}

TEST(PluginEntry, EveryEntryPointCreatesAWorkingInstance) {
  for (const char* name : {"VSTPluginMain", "main", "MAIN"}) {
    TestHost host;
    PluginInstance instance(host.create(BuiltPlugin().entryPoint(name)));
    ASSERT_NE(instance.effect(), nullptr) << name;
    EXPECT_EQ(instance.text(effGetEffectName), "Veltronika_Quorvantile") << name;
  }
}

TEST(PluginEntry, CreationAsksTheHostForItsVersionWithoutARecord) {
  TestHost host;
  PluginInstance instance(host.createBuiltPlugin());
  const std::vector<HostCall> calls = host.calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front().opcode, audioMasterVersion);
  EXPECT_EQ(calls.front().effect, nullptr);
}

TEST(PluginEntry, HostAnsweringVersionZeroGetsNoInstance) {
  TestHost host;
  host.versionAnswer = 0;
  EXPECT_EQ(host.createBuiltPlugin(), nullptr);
  EXPECT_EQ(host.create(BuiltPlugin().entryPoint("MAIN")), nullptr);
}

TEST(PluginEntry, NullHostCallbackGetsNoInstance) {
  EXPECT_EQ(BuiltPlugin().entryPoint("VSTPluginMain")(nullptr), nullptr);
  EXPECT_EQ(BuiltPlugin().entryPoint("MAIN")(nullptr), nullptr);
}

TEST(PluginEntry, RecordDescribesAStereoChunkEffectWithoutEditor) {
  TestHost host;
  PluginInstance instance(host.createBuiltPlugin());
  const AEffect& record = *instance.effect();
  EXPECT_EQ(record.magic, 0x56737450);
  EXPECT_EQ(record.flags, 0x1030);  // replacing, program chunks, double replacing; no editor
  EXPECT_EQ(record.numPrograms, 1);
  EXPECT_EQ(record.numParams, 2);
  EXPECT_EQ(record.numInputs, 2);
  EXPECT_EQ(record.numOutputs, 2);
  EXPECT_EQ(record.uniqueID, 0);
  EXPECT_EQ(record.version, 1);
  EXPECT_EQ(record.ioRatio, 1.0f);
  EXPECT_EQ(record.initialDelay, 0);
  EXPECT_EQ(record.realQualities, 0);
  EXPECT_EQ(record.offQualities, 0);
  EXPECT_EQ(record.resvd1, 0);
  EXPECT_EQ(record.resvd2, 0);
  EXPECT_NE(record.object, nullptr);
  EXPECT_EQ(record.user, nullptr);
  EXPECT_NE(record.dispatcher, nullptr);
  EXPECT_NE(record.process, nullptr);
  EXPECT_NE(record.setParameter, nullptr);
  EXPECT_NE(record.getParameter, nullptr);
  EXPECT_NE(record.processReplacing, nullptr);
  EXPECT_NE(record.processDoubleReplacing, nullptr);
  const char zeros[sizeof record.future] = {};
  EXPECT_EQ(std::memcmp(record.future, zeros, sizeof zeros), 0);
}

TEST(PluginEntry, EachCallMakesAnIndependentInstance) {
  TestHost host;
  PluginInstance first(host.createBuiltPlugin());
  PluginInstance second(host.createBuiltPlugin());
  ASSERT_NE(first.effect(), second.effect());
  first.setParameter(0, 0.25f);
  EXPECT_FLOAT_EQ(first.parameter(0), 0.25f);
  EXPECT_FLOAT_EQ(second.parameter(0), 1.0f);
}

}  // namespace
