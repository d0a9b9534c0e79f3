#include "tools/render/plugin_info.h"

#include <algorithm>
#include <cctype>
#include <iomanip>

#include "tools/render/json_text.h"

namespace {

// Unique IDs are four characters packed into a number; empty when they are not printable.
std::string UniqueIdCharacters(VstInt32 id) {
  std::string characters;
  for (int shift = 24; shift >= 0; shift -= 8) {
    characters += static_cast<char>((static_cast<std::uint32_t>(id) >> shift) & 0xFF);
  }
  const bool printable = std::all_of(characters.begin(), characters.end(),
                                     [](unsigned char c) { return std::isprint(c) != 0; });
  return printable ? characters : std::string();
}

std::string YesNo(bool value) { return value ? "yes" : "no"; }

void PrintParameters(std::ostream& out, const HostedPlugin& plugin) {
  const VstInt32 count = plugin.record().numParams;
  out << "parameters: " << count << '\n';
  for (VstInt32 index = 0; index < count; ++index) {
    std::string display = plugin.text(effGetParamDisplay, index);
    const std::string label = plugin.text(effGetParamLabel, index);
    if (!label.empty()) display += " " + label;
    out << "  " << std::setw(3) << index << "  " << std::left << std::setw(24) << plugin.text(effGetParamName, index)
        << std::right << std::fixed << std::setprecision(6) << plugin.parameter(index) << "  " << display << '\n';
  }
}

std::string JsonBool(bool value) { return value ? "true" : "false"; }

void PrintParametersJson(std::ostream& out, const HostedPlugin& plugin) {
  const VstInt32 count = plugin.record().numParams;
  out << "  \"parameters\": [";
  for (VstInt32 index = 0; index < count; ++index) {
    out << (index ? ",\n" : "\n") << "    {\"index\": " << index
        << ", \"name\": " << JsonString(plugin.text(effGetParamName, index))
        << ", \"value\": " << JsonNumber(plugin.parameter(index))
        << ", \"display\": " << JsonString(plugin.text(effGetParamDisplay, index))
        << ", \"label\": " << JsonString(plugin.text(effGetParamLabel, index)) << "}";
  }
  out << (count ? "\n  ]\n" : "]\n");
}

}  // namespace

std::string UniqueIdText(VstInt32 id) {
  const std::string characters = UniqueIdCharacters(id);
  return std::to_string(id) + (characters.empty() ? "" : " ('" + characters + "')");
}

void PrintPluginInfoJson(std::ostream& out, const std::string& path, const HostedPlugin& plugin) {
  const AEffect& record = plugin.record();
  const std::string characters = UniqueIdCharacters(record.uniqueID);
  out << "{\n"
      << "  \"plugin\": " << JsonString(path) << ",\n"
      << "  \"effect\": " << JsonString(plugin.text(effGetEffectName)) << ",\n"
      << "  \"product\": " << JsonString(plugin.text(effGetProductString)) << ",\n"
      << "  \"vendor\": " << JsonString(plugin.text(effGetVendorString)) << ",\n"
      << "  \"vendorVersion\": " << plugin.dispatch(effGetVendorVersion) << ",\n"
      << "  \"uniqueId\": " << record.uniqueID << ",\n"
      << "  \"uniqueIdText\": " << (characters.empty() ? "null" : JsonString(characters)) << ",\n"
      << "  \"version\": " << record.version << ",\n"
      << "  \"inputs\": " << record.numInputs << ",\n"
      << "  \"outputs\": " << record.numOutputs << ",\n"
      << "  \"programs\": " << record.numPrograms << ",\n"
      << "  \"flags\": {\"replacing\": " << JsonBool(plugin.hasFlag(effFlagsCanReplacing))
      << ", \"doubleReplacing\": " << JsonBool(plugin.hasFlag(effFlagsCanDoubleReplacing))
      << ", \"programChunks\": " << JsonBool(plugin.hasFlag(effFlagsProgramChunks))
      << ", \"editor\": " << JsonBool(plugin.hasFlag(effFlagsHasEditor)) << "},\n";
  PrintParametersJson(out, plugin);
  out << "}\n";
}

void PrintPluginInfo(std::ostream& out, const std::string& path, const HostedPlugin& plugin) {
  const AEffect& record = plugin.record();
  out << "plug-in:    " << path << '\n'
      << "effect:     " << plugin.text(effGetEffectName) << '\n'
      << "product:    " << plugin.text(effGetProductString) << '\n'
      << "vendor:     " << plugin.text(effGetVendorString) << ", version " << plugin.dispatch(effGetVendorVersion)
      << '\n'
      << "unique ID:  " << UniqueIdText(record.uniqueID) << '\n'
      << "channels:   " << record.numInputs << " in, " << record.numOutputs << " out\n"
      << "processing: 32-bit " << YesNo(plugin.hasFlag(effFlagsCanReplacing)) << ", 64-bit "
      << YesNo(plugin.hasFlag(effFlagsCanDoubleReplacing)) << '\n'
      << "state chunk: " << YesNo(plugin.hasFlag(effFlagsProgramChunks))
      << ", editor: " << YesNo(plugin.hasFlag(effFlagsHasEditor)) << '\n';
  PrintParameters(out, plugin);
}
