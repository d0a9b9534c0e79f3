#include "tools/render/plugin_presets.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tools/render/plugin_info.h"
#include "tools/render/saved_file.h"

namespace {

std::string Plural(VstInt32 count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

bool EndsWithFxb(const std::string& path) {
  if (path.size() < 4) return false;
  std::string extension = path.substr(path.size() - 4);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".fxb";
}

// The interface promises plug-ins program names of at most 24 bytes with their zero.
std::string ProgramNameForPlugin(const std::string& name) { return name.substr(0, kVstMaxProgNameLen - 1); }

void SetProgramName(const HostedPlugin& plugin, const std::string& name) {
  std::string buffer = ProgramNameForPlugin(name);
  plugin.dispatch(effSetProgramName, 0, 0, &buffer[0]);
}

void SetParameters(const HostedPlugin& plugin, const PresetProgram& program) {
  for (std::size_t index = 0; index < program.parameters.size(); ++index) {
    plugin.setParameter(static_cast<VstInt32>(index), program.parameters[index]);
  }
  SetProgramName(plugin, program.name);
}

void SelectProgram(const HostedPlugin& plugin, VstInt32 program) {
  plugin.dispatch(effBeginSetProgram);
  plugin.dispatch(effSetProgram, 0, program);
  plugin.dispatch(effEndSetProgram);
}

VstInt32 CurrentProgramIndex(const HostedPlugin& plugin) {
  const VstIntPtr current = plugin.dispatch(effGetProgram);
  return current >= 0 && current < plugin.record().numPrograms ? static_cast<VstInt32>(current) : 0;
}

void LoadParameterBank(const PresetFile& bank, const HostedPlugin& plugin) {
  const VstInt32 before = CurrentProgramIndex(plugin);
  for (std::size_t index = 0; index < bank.programs.size(); ++index) {
    SelectProgram(plugin, static_cast<VstInt32>(index));
    SetParameters(plugin, bank.programs[index]);
  }
  SelectProgram(plugin, bank.formatVersion >= 2 ? bank.currentProgram : before);
}

// Values the plug-in reports outside the interface's range are saved at its nearest end,
// so that the file stays one that hosts, and this tool, load.
float SavedValue(float value) { return value >= 0.0f ? std::min(value, 1.0f) : 0.0f; }

PresetProgram CurrentProgram(const HostedPlugin& plugin) {
  PresetProgram program{plugin.text(effGetProgramName), {}};
  for (VstInt32 index = 0; index < plugin.record().numParams; ++index) {
    program.parameters.push_back(SavedValue(plugin.parameter(index)));
  }
  return program;
}

std::vector<PresetProgram> AllPrograms(const HostedPlugin& plugin) {
  const VstInt32 current = CurrentProgramIndex(plugin);
  std::vector<PresetProgram> programs;
  for (VstInt32 index = 0; index < plugin.record().numPrograms; ++index) {
    SelectProgram(plugin, index);
    programs.push_back(CurrentProgram(plugin));
  }
  SelectProgram(plugin, current);
  return programs;
}

PresetFile CapturePreset(const HostedPlugin& plugin, bool bank) {
  const AEffect& record = plugin.record();
  const bool chunk = plugin.hasFlag(effFlagsProgramChunks);
  PresetFile preset;
  preset.kind = bank ? (chunk ? PresetKind::kChunkBank : PresetKind::kParameterBank)
                     : (chunk ? PresetKind::kChunkProgram : PresetKind::kParameterProgram);
  preset.formatVersion = bank ? 2 : 1;
  preset.pluginId = record.uniqueID;
  preset.pluginVersion = record.version;
  preset.count = bank ? record.numPrograms : record.numParams;
  preset.currentProgram = CurrentProgramIndex(plugin);
  if (chunk) {
    preset.chunk = plugin.chunk(bank ? ChunkScope::kBank : ChunkScope::kProgram);
    if (preset.chunk.empty()) throw std::runtime_error("the plug-in handed over no state chunk to save");
    if (!bank) preset.programs.push_back(PresetProgram{plugin.text(effGetProgramName), {}});
  } else {
    preset.programs = bank ? AllPrograms(plugin) : std::vector<PresetProgram>{CurrentProgram(plugin)};
  }
  return preset;
}

}  // namespace

PresetFile ReadPresetFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read the preset file " + path);
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  try {
    return DecodePresetFile(bytes);
  } catch (const PresetFormatError& error) {
    throw std::runtime_error("the preset file " + path + " " + error.what());
  }
}

void CheckPresetFits(const PresetFile& preset, const std::string& path, const HostedPlugin& plugin,
                     const std::string& pluginName, bool force) {
  const AEffect& record = plugin.record();
  const std::string file = "the preset file " + path;
  if (preset.pluginId != record.uniqueID && !force) {
    throw std::runtime_error(file + " is for the plug-in with unique ID " + UniqueIdText(preset.pluginId) +
                             ", not for " + pluginName + " (unique ID " + UniqueIdText(record.uniqueID) +
                             "); --force-preset loads it all the same");
  }
  if (HoldsChunk(preset.kind) && !plugin.hasFlag(effFlagsProgramChunks)) {
    throw std::runtime_error(file + " holds a state chunk, but " + pluginName + " keeps none");
  }
  const bool bank = IsBank(preset.kind);
  const VstInt32 available = bank ? record.numPrograms : record.numParams;
  const std::string noun = bank ? "program" : "parameter";
  if (preset.count > available) {
    throw std::runtime_error(file + " holds " + Plural(preset.count, noun) + ", but " + pluginName + " has " +
                             Plural(available, noun));
  }
  for (std::size_t index = 0; bank && index < preset.programs.size(); ++index) {
    const auto count = static_cast<VstInt32>(preset.programs[index].parameters.size());
    if (count > record.numParams) {
      throw std::runtime_error(file + " holds " + Plural(count, "parameter") + " in program " +
                               std::to_string(index) + ", but " + pluginName + " has " +
                               Plural(record.numParams, "parameter"));
    }
  }
}

void LoadPreset(const PresetFile& preset, const HostedPlugin& plugin) {
  switch (preset.kind) {
    case PresetKind::kParameterProgram:
      SetParameters(plugin, preset.programs.front());
      break;
    case PresetKind::kChunkProgram:
      plugin.restore(preset.chunk, ChunkScope::kProgram);
      SetProgramName(plugin, preset.programs.front().name);
      break;
    case PresetKind::kParameterBank:
      LoadParameterBank(preset, plugin);
      break;
    case PresetKind::kChunkBank:
      plugin.restore(preset.chunk, ChunkScope::kBank);
      break;
  }
}

void SavePresetFile(const std::string& path, const HostedPlugin& plugin) {
  SaveFile(path, EncodePresetFile(CapturePreset(plugin, EndsWithFxb(path))), "the preset file");
}
