#include "tools/render/render_options.h"

#include <functional>
#include <map>

#include "tools/audio/audio_file.h"

namespace {

constexpr int kLargestBlock = 1 << 20;

int ParseBlockSize(const std::string& text) {
  std::size_t end = 0;
  int value = 0;
  try {
    value = std::stoi(text, &end);
  } catch (const std::exception&) {
    end = 0;
  }
  if (end == 0 || end != text.size() || value < 1 || value > kLargestBlock) {
    throw UsageError("--block needs a whole number of frames from 1 to " + std::to_string(kLargestBlock) +
                     ", not \"" + text + "\"");
  }
  return value;
}

using ValueOption = std::function<void(RenderOptions&, const std::string&)>;

const std::map<std::string, ValueOption>& ValueOptions() {
  static const std::map<std::string, ValueOption> options = {
      {"--plugin", [](RenderOptions& o, const std::string& v) { o.plugin = v; }},
      {"--block", [](RenderOptions& o, const std::string& v) { o.blockSize = ParseBlockSize(v); }},
      {"--chunk", [](RenderOptions& o, const std::string& v) { o.chunk = v; }},
      {"--save-chunk", [](RenderOptions& o, const std::string& v) { o.saveChunk = v; }},
      {"--format", [](RenderOptions& o, const std::string& v) { o.format = v; }},
      {"--param", [](RenderOptions& o, const std::string& v) { o.parameters.push_back(v); }},
      {"--automate", [](RenderOptions& o, const std::string& v) { o.automation.push_back(v); }},
  };
  return options;
}

const std::map<std::string, std::function<void(RenderOptions&)>>& FlagOptions() {
  static const std::map<std::string, std::function<void(RenderOptions&)>> flags = {
      {"--double", [](RenderOptions& o) { o.doublePrecision = true; }},
      {"--info", [](RenderOptions& o) { o.info = true; }},
      {"--help", [](RenderOptions& o) { o.help = true; }},
      {"-h", [](RenderOptions& o) { o.help = true; }},
  };
  return flags;
}

// Takes "--name value" and "--name=value" alike; answers how many arguments it used.
std::size_t TakeOption(RenderOptions& options, const std::vector<std::string>& arguments, std::size_t at) {
  const std::string& argument = arguments[at];
  const std::size_t equals = argument.find('=');
  const std::string name = argument.substr(0, equals);
  if (const auto flag = FlagOptions().find(argument); flag != FlagOptions().end()) {
    flag->second(options);
    return 1;
  }
  const auto option = ValueOptions().find(name);
  if (option == ValueOptions().end()) throw UsageError("unknown option " + name);
  if (equals != std::string::npos) {
    option->second(options, argument.substr(equals + 1));
    return 1;
  }
  if (at + 1 >= arguments.size()) throw UsageError(name + " needs a value");
  option->second(options, arguments[at + 1]);
  return 2;
}

}  // namespace

RenderOptions ParseRenderOptions(const std::vector<std::string>& arguments) {
  RenderOptions options;
  std::vector<std::string> files;
  for (std::size_t at = 0; at < arguments.size();) {
    const std::string& argument = arguments[at];
    if (argument.size() > 1 && argument[0] == '-') {
      at += TakeOption(options, arguments, at);
    } else {
      files.push_back(argument);
      ++at;
    }
  }
  if (options.help) return options;
  const std::size_t expected = options.info ? 0 : 2;
  if (files.size() != expected) {
    throw UsageError(options.info ? "--info takes no audio files" : "needs an INPUT and an OUTPUT audio file");
  }
  if (!options.info) {
    options.input = files[0];
    options.output = files[1];
  }
  return options;
}

std::string UsageText() {
  return std::string(
             "usage: vst-render [options] INPUT OUTPUT\n"
             "       vst-render --info [--plugin PATH]\n"
             "Renders the audio file INPUT through a VST 2.4 effect into OUTPUT, block by block.\n"
             "\n"
             "  --plugin PATH        the plug-in to load (default: Veltronika_Quorvantile from this build)\n"
             "  --block N            host block size in frames (default 512)\n"
             "  --double             process 64-bit samples (processDoubleReplacing)\n"
             "  --param NAME=VALUE   set a parameter before processing; NAME is its name or index,\n"
             "                       VALUE the normalised value from 0 to 1 (repeatable)\n"
             "  --automate NAME=T:V,T:V,...\n"
             "                       set the parameter to V at T seconds, at the start of the block\n"
             "                       that holds that time (repeatable)\n"
             "  --chunk FILE         restore a saved state chunk before processing\n"
             "  --save-chunk FILE    save the plug-in's state chunk after processing\n"
             "  --format wav|flac|aiff  output format (default: the input's)\n"
             "  --info               show the plug-in's identity and parameters\n"
             "\n"
             "Audio files: ") +
         SupportedAudioFormats() + ".\n";
}
