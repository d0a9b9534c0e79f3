#pragma once

#include <string>

class CDorn;

// What an LV2 bundle says of a plug-in beyond what its plug-in objects say themselves.
struct Lv2Identity {
  const char* uri;
  const char* pluginClass;  // an LV2 plug-in class, lv2:AmplifierPlugin for instance
  const char* binary;       // the shared object's file name in the bundle
  const char* description;  // the file name of the plug-in's description in the bundle
};

// The bundle's manifest.ttl.
std::string Lv2ManifestTtl(const Lv2Identity& identity);
// The plug-in's description, from a plug-in object: its name and vendor, its ports with
// each slider's name, range, default and unit, and what the adaptor needs and offers.
std::string Lv2PluginTtl(const Lv2Identity& identity, CDorn* plugin);
