#include "lv2/lv2_description.h"

#include <cstdio>
#include <map>
#include <sstream>
#include <vector>

#include "host/dorn.h"
#include "lv2/lv2_instance.h"
#include "runtime/zepkin.h"

namespace {

constexpr const char* kPrefixes =
    "@prefix atom: <http://lv2plug.in/ns/ext/atom#> .\n"
    "@prefix bufsz: <http://lv2plug.in/ns/ext/buf-size#> .\n"
    "@prefix doap: <http://usefulinc.com/ns/doap#> .\n"
    "@prefix foaf: <http://xmlns.com/foaf/0.1/> .\n"
    "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
    "@prefix opts: <http://lv2plug.in/ns/ext/options#> .\n"
    "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
    "@prefix state: <http://lv2plug.in/ns/ext/state#> .\n"
    "@prefix units: <http://lv2plug.in/ns/extensions/units#> .\n"
    "@prefix urid: <http://lv2plug.in/ns/ext/urid#> .\n\n";

// A Turtle string: quotes and backslashes escaped.
std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

// A decimal literal, so that every value reads as a number with a fraction.
std::string Decimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  std::string literal = text;
  if (literal.find_first_of(".e") == std::string::npos) literal += ".0";
  return literal;
}

// Port symbols are C identifiers: the slider's name in lower case, other characters as _.
std::string Symbol(const std::string& name) {
  std::string symbol;
  for (const char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    symbol += plain ? c : (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : '_';
  }
  if (symbol.empty() || (symbol[0] >= '0' && symbol[0] <= '9')) symbol.insert(0, "_");
  return symbol;
}

// The units of the LV2 units extension that a slider's unit label names.
const char* UnitOf(const std::string& label) {
  static const std::map<std::string, const char*> units{
      {"s", "units:s"}, {"ms", "units:ms"}, {"Hz", "units:hz"}, {"dB", "units:db"}, {"%", "units:pc"}};
  const auto found = units.find(label);
  return found == units.end() ? nullptr : found->second;
}

std::string ChannelName(std::uint32_t channel, std::uint32_t count) {
  if (count == 2) return channel == 0 ? "left" : "right";
  return std::to_string(channel + 1);
}

void AddAudioPorts(std::vector<std::string>& ports, std::uint32_t first, std::uint32_t count,
                   const char* direction, const char* name) {
  for (std::uint32_t c = 0; c < count; ++c) {
    const std::string channel = ChannelName(c, count);
    std::ostringstream port;
    port << "    [\n      a lv2:AudioPort, lv2:" << direction << " ;\n      lv2:index " << first + c
         << " ;\n      lv2:symbol " << Quoted(Symbol(std::string(name) + "_" + channel)) << " ;\n      lv2:name "
         << Quoted(std::string(name) + " " + channel) << "\n    ]";
    ports.push_back(port.str());
  }
}

std::string ControlPort(std::uint32_t index, const SliderDefinition& slider) {
  std::ostringstream port;
  port << "    [\n      a lv2:InputPort, lv2:ControlPort ;\n      lv2:index " << index << " ;\n      lv2:symbol "
       << Quoted(Symbol(slider.displayName)) << " ;\n      lv2:name " << Quoted(slider.displayName)
       << " ;\n      lv2:default " << Decimal(slider.defaultValue) << " ;\n      lv2:minimum "
       << Decimal(slider.minimum) << " ;\n      lv2:maximum " << Decimal(slider.maximum);
  if (const char* unit = UnitOf(slider.unitLabel)) port << " ;\n      units:unit " << unit;
  port << "\n    ]";
  return port.str();
}

}  // namespace

std::string Lv2ManifestTtl(const Lv2Identity& identity) {
  std::ostringstream out;
  out << kPrefixes << "<" << identity.uri << ">\n    a lv2:Plugin ;\n    lv2:binary <" << identity.binary
      << "> ;\n    rdfs:seeAlso <" << identity.description << "> .\n";
  return out.str();
}

std::string Lv2PluginTtl(const Lv2Identity& identity, CDorn* plugin) {
  const TZepkin& script = *RuntimeOf(plugin);
  const Lv2PortLayout layout = PortLayoutOf(plugin);
  std::ostringstream out;
  out << kPrefixes << "<" << identity.uri << ">\n    a lv2:Plugin, doap:Project, " << identity.pluginClass
      << " ;\n    doap:name " << Quoted(script.effectName) << " ;\n    doap:maintainer [\n      foaf:name "
      << Quoted(script.vendorName) << "\n    ] ;\n"
      << "    lv2:optionalFeature lv2:hardRTCapable, urid:map, opts:options ;\n"
      << "    opts:supportedOption bufsz:maxBlockLength ;\n    lv2:extensionData state:interface ;\n"
      << "    lv2:port\n";
  std::vector<std::string> ports;
  AddAudioPorts(ports, 0, layout.inputs, "InputPort", "in");
  AddAudioPorts(ports, layout.firstOutput(), layout.outputs, "OutputPort", "out");
  for (std::uint32_t c = 0; c < layout.controls; ++c) {
    ports.push_back(ControlPort(layout.firstControl() + c, script.sliders[c]));
  }
  for (std::size_t p = 0; p < ports.size(); ++p) out << ports[p] << (p + 1 < ports.size() ? " ,\n" : " .\n");
  return out.str();
}
