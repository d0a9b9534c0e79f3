#include "tools/render/plugin_info.h"

#include <algorithm>
#include <cctype>
#include <iomanip>

namespace {

// Unique IDs are four characters packed into a number; shown as such when printable.
std::string UniqueIdText(VstInt32 id) {
  std::string text = std::to_string(id);
  std::string characters;
  for (int shift = 24; shift >= 0; shift -= 8) {
    characters += static_cast<char>((static_cast<std::uint32_t>(id) >> shift) & 0xFF);
  }
  const bool printable = std::all_of(characters.begin(), characters.end(),
                                     [](unsigned char c) { return std::isprint(c) != 0; });
  return printable ? text + " ('" + characters + "')" : text;
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

}  // namespace

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
