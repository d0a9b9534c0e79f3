#include <gtest/gtest.h>

#include "tools/render/automation_schedule.h"
#include "tools/render/parameter_requests.h"
#include "tools/render/render_options.h"

namespace {

TEST(RenderOptions, DefaultsAreTheOwnPlugInAndBlocksOf512Frames) {
  const RenderOptions options = ParseRenderOptions({"in.wav", "out.wav"});
  EXPECT_EQ(options.input, "in.wav");
  EXPECT_EQ(options.output, "out.wav");
  ASSERT_EQ(options.chain.size(), 1u);
  EXPECT_EQ(options.chain[0].path, "");
  EXPECT_EQ(options.blockSize, 512);
  EXPECT_FALSE(options.doublePrecision);
  EXPECT_EQ(options.format, "");
}

TEST(RenderOptions, ValuesComeAfterASpaceOrAnEqualsSign) {
  const RenderOptions options = ParseRenderOptions({"--block", "64", "--plugin=fx.so", "--param", "fade time=0.2",
                                                    "--param=target level=0.5", "--double", "a.wav", "b.flac"});
  EXPECT_EQ(options.blockSize, 64);
  ASSERT_EQ(options.chain.size(), 1u);
  EXPECT_EQ(options.chain[0].path, "fx.so");
  EXPECT_EQ(options.chain[0].parameters, (std::vector<std::string>{"fade time=0.2", "target level=0.5"}));
  EXPECT_TRUE(options.doublePrecision);
  EXPECT_EQ(options.output, "b.flac");
}

TEST(RenderOptions, PlugInOptionsReferToThePlugInNamedBeforeThem) {
  const RenderOptions options =
      ParseRenderOptions({"--param", "fade time=0", "--plugin", "a.so", "--preset", "a.fxp", "--block", "64",
                          "--plugin", "b.so", "--param", "x=1", "--chunk", "b.chunk", "--save-preset", "b.fxb",
                          "in.wav", "out.wav"});
  ASSERT_EQ(options.chain.size(), 3u);
  EXPECT_EQ(options.chain[0].path, "");  // our own plug-in, which the first option was for
  EXPECT_EQ(options.chain[0].parameters, (std::vector<std::string>{"fade time=0"}));
  EXPECT_EQ(options.chain[1].path, "a.so");
  EXPECT_EQ(options.chain[1].preset, "a.fxp");
  EXPECT_TRUE(options.chain[1].parameters.empty());
  EXPECT_EQ(options.chain[2].path, "b.so");
  EXPECT_EQ(options.chain[2].parameters, (std::vector<std::string>{"x=1"}));
  EXPECT_EQ(options.chain[2].chunk, "b.chunk");
  EXPECT_EQ(options.chain[2].savePreset, "b.fxb");
  EXPECT_EQ(options.blockSize, 64);
}

TEST(RenderOptions, InfoNeedsNoAudioFiles) {
  EXPECT_TRUE(ParseRenderOptions({"--info"}).info);
  EXPECT_THROW(ParseRenderOptions({"--info", "in.wav"}), UsageError);
}

TEST(RenderOptions, MistakesAreUsageErrors) {
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {},
           {"in.wav"},
           {"in.wav", "out.wav", "more.wav"},
           {"--block", "0", "in.wav", "out.wav"},
           {"--block", "12x", "in.wav", "out.wav"},
           {"--loud", "in.wav", "out.wav"},
           {"in.wav", "out.wav", "--plugin"},
           {"--tempo", "0", "in.wav", "out.wav"},
           {"--tempo", "inf", "in.wav", "out.wav"},
           {"--tempo", "1e9", "in.wav", "out.wav"},
           {"--tempo", "120bpm", "in.wav", "out.wav"},
           {"--time-signature", "0/4", "in.wav", "out.wav"},
           {"--time-signature", "3/5", "in.wav", "out.wav"},
           {"--time-signature", "4/128", "in.wav", "out.wav"},
           {"--time-signature", "65/4", "in.wav", "out.wav"},
           {"--json", "in.wav", "out.wav"},
           {"--info", "--plugin", "a.so", "--plugin", "b.so"},
       }) {
    EXPECT_THROW(ParseRenderOptions(arguments), UsageError) << ::testing::PrintToString(arguments);
  }
}

TEST(ParameterRequests, SettingIsANameAndANormalisedValue) {
  const ParameterSetting setting = ParseParameterSetting("fade time=0.2");
  EXPECT_EQ(setting.parameter, "fade time");
  EXPECT_EQ(setting.value, 0.2f);
  EXPECT_EQ(ParseParameterSetting("1=1").parameter, "1");
}

TEST(ParameterRequests, ValuesOutsideZeroToOneOrNotNumbersAreRefused) {
  for (const char* text : {"level=1.5", "level=-0.1", "level=loud", "level=", "=0.5", "level", "level=0.5x",
                           "level=nan", "level=inf"}) {
    EXPECT_THROW(ParseParameterSetting(text), UsageError) << text;
  }
}

TEST(ParameterRequests, AutomationIsAListOfTimesAndValues) {
  const ParameterAutomation automation = ParseParameterAutomation("target level=0:1.0,2.5:0.2");
  EXPECT_EQ(automation.parameter, "target level");
  ASSERT_EQ(automation.points.size(), 2u);
  EXPECT_EQ(automation.points[0].seconds, 0.0);
  EXPECT_EQ(automation.points[0].value, 1.0f);
  EXPECT_EQ(automation.points[1].seconds, 2.5);
  EXPECT_EQ(automation.points[1].value, 0.2f);
}

TEST(ParameterRequests, AutomationMistakesAreRefused) {
  for (const char* text : {"level=", "level=1", "level=1:", "level=-1:0.5", "level=0:0.5,", "level=0:0.5,,1:0",
                           "level=0:2"}) {
    EXPECT_THROW(ParseParameterAutomation(text), UsageError) << text;
  }
}

TEST(AutomationSchedule, ChangesApplyAtTheStartOfTheBlockHoldingTheirTime) {
  AutomationSchedule schedule;
  schedule.add(0.5, 100.0, 1, 0.25f);  // frame 50
  schedule.add(0.0, 100.0, 0, 1.0f);   // frame 0
  schedule.add(0.64, 100.0, 0, 0.5f);  // frame 64, the first of the third block of 32
  std::vector<std::pair<VstInt32, float>> applied;
  const auto record = [&applied](VstInt32 index, float value) { applied.emplace_back(index, value); };

  schedule.applyBefore(32, record);
  EXPECT_EQ(applied, (std::vector<std::pair<VstInt32, float>>{{0, 1.0f}}));
  schedule.applyBefore(64, record);
  EXPECT_EQ(applied.size(), 2u);
  EXPECT_EQ(applied.back(), (std::pair<VstInt32, float>{1, 0.25f}));
  schedule.applyBefore(96, record);
  EXPECT_EQ(applied.size(), 3u);
  EXPECT_EQ(applied.back(), (std::pair<VstInt32, float>{0, 0.5f}));
  schedule.applyBefore(1000, record);
  EXPECT_EQ(applied.size(), 3u);
}

TEST(AutomationSchedule, ChangesAtTheSameFrameKeepTheirOrder) {
  AutomationSchedule schedule;
  schedule.add(1.0, 10.0, 0, 0.1f);
  schedule.add(1.0, 10.0, 0, 0.2f);
  std::vector<float> values;
  schedule.applyBefore(11, [&values](VstInt32, float value) { values.push_back(value); });
  EXPECT_EQ(values, (std::vector<float>{0.1f, 0.2f}));
}

TEST(AutomationSchedule, TimesFarBeyondTheFileAreNeverReached) {
  AutomationSchedule schedule;
  schedule.add(1e300, 48000.0, 0, 0.5f);
  int applied = 0;
  schedule.applyBefore(std::int64_t{1} << 62, [&applied](VstInt32, float) { ++applied; });
  EXPECT_EQ(applied, 0);
}

}  // namespace
