#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "tests/support/fader_chunk.h"
#include "tests/support/noise.h"
#include "tests/tools/render_test_support.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The pieces of the published layout: big-endian 32-bit numbers and floats,
// four-character tags, and names of 28 bytes padded with zeros.
Bytes Number(std::uint32_t value) {
  return {static_cast<unsigned char>(value >> 24), static_cast<unsigned char>(value >> 16),
          static_cast<unsigned char>(value >> 8), static_cast<unsigned char>(value)};
}
Bytes Values(const std::vector<float>& values) {
  Bytes bytes;
  for (const float value : values) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    bytes = Join({bytes, Number(bits)});
  }
  return bytes;
}
Bytes Tag(const char* four) { return Bytes(four, four + 4); }
Bytes Name(const std::string& name) {
  Bytes bytes(name.begin(), name.end());
  bytes.resize(28);
  return bytes;
}
Bytes Size(const Bytes& bytes) { return Number(static_cast<std::uint32_t>(bytes.size())); }

// "CcnK", the byte size of the rest, the kind, the format version, the plug-in's unique
// ID and version, the count, then a program's name or a bank's current program and 124
// reserved bytes, then the values, programs or the chunk after its size.
Bytes Program(const char* kind, std::uint32_t id, std::uint32_t version, std::uint32_t count, const std::string& name,
              const Bytes& body) {
  const Bytes rest = Join({Tag(kind), Number(1), Number(id), Number(version), Number(count), Name(name), body});
  return Join({Tag("CcnK"), Size(rest), rest});
}
Bytes Bank(const char* kind, std::uint32_t id, std::uint32_t version, std::uint32_t count, std::uint32_t current,
           const Bytes& body) {
  const Bytes rest =
      Join({Tag(kind), Number(2), Number(id), Number(version), Number(count), Number(current), Bytes(124, 0), body});
  return Join({Tag("CcnK"), Size(rest), rest});
}
Bytes SizedChunk(const Bytes& chunk) { return Join({Size(chunk), chunk}); }

// The fader: unique ID 0, version 1, two parameters, one program named after it, and
// programs kept as its 260-byte chunk.
constexpr std::uint32_t kFaderVersion = 1;
const std::string kFaderProgram = "Veltronika_Quorvantile";
Bytes FaderDefaultsChunk() { return FaderChunk(1.0f, 7.5f); }
Bytes FaderProgram(const Bytes& chunk) { return Program("FPCh", 0, kFaderVersion, 2, kFaderProgram, SizedChunk(chunk)); }

// The probe: unique ID 'prbe', version 3, three parameters, two programs, no chunk.
constexpr std::uint32_t kProbeId = 0x70726265;
constexpr std::uint32_t kProbeVersion = 3;
Bytes ProbeProgram(const std::string& name, const std::vector<float>& values) {
  return Program("FxCk", kProbeId, kProbeVersion, static_cast<std::uint32_t>(values.size()), name, Values(values));
}

std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class Presets : public ::testing::Test {
 protected:
  Presets() : folder(CurrentTestName()), input(folder.file("in.wav")) {
    const std::vector<float> noise = Noise<float>(2 * 3000, 7);
    WriteFloatWav(input, 2, 44100.0, std::vector<double>(noise.begin(), noise.end()));
  }

  ToolRun render(std::vector<std::string> arguments, const std::string& output) {
    arguments.push_back(input);
    arguments.push_back(folder.file(output));
    return RunTool(arguments);
  }

  ScratchFolder folder;
  std::string input;
};

TEST_F(Presets, FaderAtItsDefaultsIsSavedInThePublishedLayout) {
  const std::pair<std::string, Bytes> cases[] = {
      {"defaults.fxp", FaderProgram(FaderDefaultsChunk())},
      {"defaults.FXB", Bank("FBCh", 0, kFaderVersion, 1, 0, SizedChunk(FaderDefaultsChunk()))},
  };
  for (const auto& [name, expected] : cases) {
    const ToolRun run = render({"--save-preset", folder.file(name)}, "out.wav");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(folder.file(name)), expected) << name;
  }
}

// The fader keeps its slider values as 32-bit floats, one rounding away from those set,
// so the restored render matches within that rounding; the preset saved again after
// loading is the same file.
TEST_F(Presets, FaderSettingsRoundTripThroughProgramAndBankFiles) {
  for (const std::string name : {"settings.fxp", "settings.fxb"}) {
    const std::string saved = folder.file(name);
    const std::string again = folder.file("again-" + name);
    ASSERT_EQ(render({"--param", "target level=0.3", "--param", "fade time=0.1", "--save-preset", saved}, "set.wav")
                  .status, 0);
    const ToolRun run = render({"--preset", saved, "--save-preset", again}, "restored.wav");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(again), ReadFile(saved)) << name;
    const Audio set = ReadAudio(folder.file("set.wav"));
    const Audio restored = ReadAudio(folder.file("restored.wav"));
    ASSERT_EQ(restored.samples.size(), set.samples.size());
    EXPECT_NE(set.samples, ReadAudio(input).samples);
    for (std::size_t i = 0; i < set.samples.size(); ++i) ASSERT_NEAR(restored.samples[i], set.samples[i], 1e-6) << i;
  }
}

// The probe's outputs show the current program's values and its number.
TEST_F(Presets, ParameterProgramsAndBanksAreReadAndWrittenValueForValue) {
  struct Case {
    std::string name;
    Bytes file;
    std::vector<float> shown;
  };
  const Case cases[] = {
      {"hand.fxp", ProbeProgram("hand made", {0.25f, 0.5f, 0.75f}), {0.25f, 0.5f, 0.75f, 0.0f}},
      {"hand.fxb",
       Bank("FxBk", kProbeId, kProbeVersion, 2, 1,
            Join({ProbeProgram("one", {0.1f, 0.2f, 0.3f}), ProbeProgram("two", {0.4f, 0.5f, 0.6f})})),
       {0.4f, 0.5f, 0.6f, 1.0f}},
  };
  for (const Case& each : cases) {
    WriteFile(folder.file(each.name), each.file);
    const std::string again = folder.file("again-" + each.name);
    const ToolRun run =
        render({"--plugin", ProbePlugin(), "--preset", folder.file(each.name), "--save-preset", again}, "out.wav");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(again), each.file) << each.name;
    const Audio output = ReadAudio(folder.file("out.wav"));
    for (int channel = 0; channel < 4; ++channel) {
      EXPECT_EQ(output.at(2999, channel), each.shown[static_cast<std::size_t>(channel)]) << each.name << channel;
    }
  }
}

TEST_F(Presets, ForcedPresetOfAnotherPlugInIsLoaded) {
  const Bytes chunk = FaderChunk(0.25f, 1.0f);
  WriteFile(folder.file("other.fxp"), Program("FPCh", 0x61626364, 1, 2, "other", SizedChunk(chunk)));
  WriteFile(folder.file("other.chunk"), chunk);
  ASSERT_EQ(render({"--force-preset", "--preset", folder.file("other.fxp")}, "preset.wav").status, 0);
  ASSERT_EQ(render({"--chunk", folder.file("other.chunk")}, "chunk.wav").status, 0);
  EXPECT_EQ(ReadAudio(folder.file("preset.wav")).samples, ReadAudio(folder.file("chunk.wav")).samples);
}

TEST_F(Presets, SavingReplacesAnOldFileAndLeavesNothingElse) {
  WriteText(folder.file("old.fxp"), "an older file");
  ASSERT_EQ(render({"--save-preset", folder.file("old.fxp")}, "out.wav").status, 0);
  EXPECT_EQ(ReadFile(folder.file("old.fxp")), FaderProgram(FaderDefaultsChunk()));
  EXPECT_EQ(Listing(folder.file("")), (std::vector<std::string>{"in.wav", "old.fxp", "out.wav"}));
  ExpectRefusal(render({"--save-preset", folder.file("missing/p.fxp")}, "out.wav"), {"cannot write the preset file"});
}

Bytes Changed(Bytes bytes, std::size_t at, unsigned char value) {
  bytes[at] = value;
  return bytes;
}

// Each damaged or unfitting preset file is refused before any plug-in is started: one
// line naming the file and what is wrong, and no output file.
TEST_F(Presets, HostileFilesAreRefusedWithTheirReason) {
  const Bytes fader = FaderProgram(FaderDefaultsChunk());
  const Bytes zeros = ProbeProgram("a", {0, 0, 0});
  struct Case {
    Bytes file;
    bool forProbe;
    std::string reason;
  };
  const Case cases[] = {
      {{}, false, "is empty"},
      {Bytes(fader.begin(), fader.begin() + 20), false, "is truncated: it ends after 20 bytes"},
      {Bytes(fader.begin(), fader.begin() + 200), false, "is truncated: its byte size promises 312"},
      {Changed(fader, 3, 'X'), false, "does not start with \"CcnK\""},
      {Changed(fader, 11, 'Q'), false, "kind \"FPCQ\", which is none of"},
      {Join({fader, Bytes(4, 0)}), false, "has 316 bytes after the size field, but its byte size says 312"},
      {Program("FPCh", 0, 1, 2, "x", Join({Number(1000), FaderDefaultsChunk()})), false,
       "chunk size of 1000 bytes, beyond the 260 bytes left"},
      {Program("FPCh", 0x61626364, 1, 2, "x", SizedChunk(FaderDefaultsChunk())), false,
       "is for the plug-in with unique ID 1633837924 ('abcd'), not for " QUORVANTILE_PLUGIN_FILE_NAME},
      {Program("FxCk", kProbeId, kProbeVersion, 3, "x", Values({0, 0})), true,
       "holds 3 parameter values by its count, in 8 bytes"},
      {ProbeProgram("x", {0.5f, 1.5f, 0.5f}), true, "the value 1.5 for parameter 1, outside 0 to 1"},
      {Bank("FxBk", kProbeId, kProbeVersion, 2, 0, Join({zeros, Changed(zeros, 3, 'X')})), true,
       "holds a program 1 that is no VST preset file"},
      {ProbeProgram("x", {0, 0, 0, 0}), true, "holds 4 parameters, but probe_plugin"},
      {Bank("FxBk", kProbeId, kProbeVersion, 3, 0, Join({zeros, zeros, zeros})), true,
       "holds 3 programs, but probe_plugin"},
      {Program("FPCh", kProbeId, kProbeVersion, 3, "x", SizedChunk({1})), true, "holds a state chunk, but probe_plugin"},
  };
  const std::string path = folder.file("hostile.fxp");
  for (const Case& each : cases) {
    WriteFile(path, each.file);
    std::vector<std::string> arguments = {"--preset", path};
    if (each.forProbe) arguments.insert(arguments.begin(), {"--plugin", ProbePlugin()});
    ExpectRefusal(render(arguments, "out.wav"), {"the preset file " + path, each.reason});
    EXPECT_FALSE(FileExists(folder.file("out.wav"))) << each.reason;
  }
  ExpectRefusal(render({"--preset", folder.file("none.fxp")}, "out.wav"), {"cannot read the preset file"});
}

}  // namespace
