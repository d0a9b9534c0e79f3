// Arbitrary bytes as a VST preset file, through the decoder that vst-render's --preset
// reads with. Either it refuses them with its format error, or what it yields agrees
// with the bytes (every count with what was read, every chunk within them, every value
// from 0 to 1); and encoded again by the writer behind --save-preset, then decoded
// again, it is the same program or bank.

#include <cstdint>
#include <vector>

#include "tests/fuzz/require.h"
#include "tools/render/preset_file.h"

namespace {

constexpr std::size_t kNameBytes = 27;  // what the writer keeps of a name

void RequireConsistent(const PresetFile& preset, std::size_t size) {
  Require(preset.count >= 0, "counts are never negative");
  if (HoldsChunk(preset.kind)) {
    Require(!preset.chunk.empty() && preset.chunk.size() < size, "a chunk lies within the file");
  } else {
    Require(preset.chunk.empty(), "only the chunk kinds hold a chunk");
  }
  if (preset.kind == PresetKind::kParameterBank) {
    Require(preset.programs.size() == static_cast<std::size_t>(preset.count), "a bank holds as many programs as it counts");
  } else if (!IsBank(preset.kind)) {
    Require(preset.programs.size() == 1, "a program file holds one program");
  }
  if (preset.kind == PresetKind::kParameterProgram) {
    Require(preset.programs[0].parameters.size() == static_cast<std::size_t>(preset.count),
            "a program holds as many values as it counts");
  }
  if (IsBank(preset.kind) && preset.count > 0) {
    Require(preset.currentProgram >= 0 && preset.currentProgram < preset.count, "the current program is one of the bank's");
  }
  std::size_t values = 0;
  for (const PresetProgram& program : preset.programs) {
    Require(program.name.size() <= kNameBytes + 1, "names fit their 28 bytes");
    for (const float value : program.parameters) Require(value >= 0.0f && value <= 1.0f, "values lie from 0 to 1");
    values += program.parameters.size();
  }
  Require(values * 4 < size, "every value was read from the file");
}

bool SameAfterWriting(const PresetFile& first, const PresetFile& again) {
  if (first.kind != again.kind || first.formatVersion != again.formatVersion || first.pluginId != again.pluginId ||
      first.pluginVersion != again.pluginVersion || first.count != again.count ||
      first.currentProgram != again.currentProgram || first.chunk != again.chunk ||
      first.programs.size() != again.programs.size()) {
    return false;
  }
  for (std::size_t p = 0; p < first.programs.size(); ++p) {
    if (first.programs[p].name.substr(0, kNameBytes) != again.programs[p].name ||
        first.programs[p].parameters != again.programs[p].parameters) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<unsigned char> bytes(data, data + size);
  PresetFile preset;
  try {
    preset = DecodePresetFile(bytes);
  } catch (const PresetFormatError&) {
    return 0;  // refused with one line: what --preset prints
  }
  RequireConsistent(preset, size);
  PresetFile again;
  try {
    again = DecodePresetFile(EncodePresetFile(preset));
  } catch (const PresetFormatError&) {
    Require(false, "what the writer writes of an accepted file is accepted");
  }
  Require(SameAfterWriting(preset, again), "written again and read back, it is the same program or bank");
  return 0;
}
