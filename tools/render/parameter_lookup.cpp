#include "tools/render/parameter_lookup.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {

std::string Comparable(const std::string& name) {
  const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  const auto first = std::find_if_not(name.begin(), name.end(), blank);
  const auto last = std::find_if_not(name.rbegin(), name.rend(), blank).base();
  std::string result(first, std::max(first, last));
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

bool IsIndex(const std::string& text) {
  return !text.empty() && text.size() < 10 &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::string ParameterList(const HostedPlugin& plugin) {
  std::string list;
  for (VstInt32 index = 0; index < plugin.record().numParams; ++index) {
    list += (index ? ", " : "") + std::to_string(index) + " \"" + plugin.text(effGetParamName, index) + "\"";
  }
  return list.empty() ? "it has none" : "it has " + list;
}

}  // namespace

VstInt32 FindParameter(const HostedPlugin& plugin, const std::string& parameter) {
  const VstInt32 count = plugin.record().numParams;
  const std::string wanted = Comparable(parameter);
  for (VstInt32 index = 0; index < count; ++index) {
    if (Comparable(plugin.text(effGetParamName, index)) == wanted) return index;
  }
  if (IsIndex(wanted) && std::stoi(wanted) < count) return std::stoi(wanted);
  throw std::runtime_error("the plug-in has no parameter \"" + parameter + "\": " + ParameterList(plugin));
}
