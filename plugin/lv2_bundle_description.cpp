#include <cstdio>
#include <fstream>
#include <string>

#include "lv2/lv2_instance.h"
#include "lv2/lv2_plugin.h"
#include "plugin/fader_lv2.h"

// lv2-bundle-description FOLDER: writes the fader bundle's manifest.ttl and its
// description into FOLDER, taken from a plug-in object so that names, ranges and
// defaults are the sliders' own.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lv2-bundle-description FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  const PluginObject fader(MakeFaderPluginObject(Lv2HostCallback));
  std::ofstream(folder + "manifest.ttl") << Lv2ManifestTtl(kFaderLv2);
  std::ofstream description(folder + kFaderLv2.description);
  description << Lv2PluginTtl(kFaderLv2, fader.get());
  return description ? 0 : 1;
}
