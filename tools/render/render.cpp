#include "tools/render/render.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "tools/render/plugin_info.h"
#include "tools/render/render_options.h"
#include "tools/render/render_session.h"
#include "tools/vst_host/hosted_plugin.h"

namespace {

constexpr int kFailed = 1;
constexpr int kUsageMistake = 2;
// --info describes a plug-in outside any render; these are what it is opened with.
constexpr double kInfoSampleRate = 44100.0;
constexpr VstInt32 kInfoBlockSize = 512;

// Our plug-in from the same build: beside the program in the build tree, or where the
// installation puts it relative to the program.
std::string DefaultPluginPath() {
  const std::string beside = ExecutableDirectory() + QUORVANTILE_PLUGIN_FILE_NAME;
  const std::string installed = ExecutableDirectory() + QUORVANTILE_INSTALLED_PLUGIN_DIR + QUORVANTILE_PLUGIN_FILE_NAME;
  std::error_code error;
  return std::filesystem::exists(beside, error) || !std::filesystem::exists(installed, error) ? beside : installed;
}

// Reasons from the system or a plug-in may hold line breaks; an error stays one line.
std::string OneLine(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

void ShowInfo(const RenderOptions& options, std::ostream& out) {
  const std::string& path = options.chain.front().path;
  const PluginModule module(path);
  RenderHost host(kInfoSampleRate, kInfoBlockSize, options.transport);
  const HostedPlugin plugin(module, host);
  if (options.json) {
    PrintPluginInfoJson(out, path, plugin);
  } else {
    PrintPluginInfo(out, path, plugin);
  }
}

int Run(const std::vector<std::string>& arguments, const Console& console) {
  RenderOptions options = ParseRenderOptions(arguments);
  if (options.help) {
    console.out << UsageText();
    return 0;
  }
  for (PluginOptions& plugin : options.chain) {
    if (plugin.path.empty()) plugin.path = DefaultPluginPath();
  }
  if (options.info) {
    ShowInfo(options, console.out);
  } else {
    RenderFile(options, console.err, console.errIsTerminal);
  }
  return 0;
}

}  // namespace

int RunRender(const std::vector<std::string>& arguments, const Console& console) noexcept {
  try {
    try {
      return Run(arguments, console);
    } catch (const UsageError& error) {
      console.err << "vst-render: " << OneLine(error.what()) << " (see vst-render --help)" << std::endl;
      return kUsageMistake;
    } catch (const std::exception& error) {
      console.err << "vst-render: " << OneLine(error.what()) << std::endl;
      return kFailed;
    }
  } catch (...) {
    return kFailed;  // the console itself failed; there is nowhere left to tell
  }
}
