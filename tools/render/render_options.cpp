#include "tools/render/render_options.h"

#include <cmath>
#include <functional>
#include <map>

#include "tools/audio/audio_file.h"
#include "tools/render/number_text.h"

namespace {

constexpr int kLargestBlock = 1 << 20;
constexpr double kFastestTempo = 1000.0;
constexpr int kMostBeatsInABar = 64;
constexpr int kShortestNote = 64;

// Whole numbers only, with nothing after them.
bool ParseWholeNumber(const std::string& text, int& value) {
  std::size_t end = 0;
  try {
    value = std::stoi(text, &end);
  } catch (const std::exception&) {
    return false;
  }
  return end != 0 && end == text.size();
}

int ParseBlockSize(const std::string& text) {
  int value = 0;
  if (!ParseWholeNumber(text, value) || value < 1 || value > kLargestBlock) {
    throw UsageError("--block needs a whole number of frames from 1 to " + std::to_string(kLargestBlock) +
                     ", not \"" + text + "\"");
  }
  return value;
}

double ParseTempo(const std::string& text) {
  const double value = NumberOfText(text);
  if (!(value > 0.0 && value <= kFastestTempo)) {
    throw UsageError("--tempo needs beats per minute, above 0 and at most " + std::to_string(static_cast<int>(kFastestTempo)) +
                     ", not \"" + text + "\"");
  }
  return value;
}

bool IsPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }

void ParseTimeSignature(const std::string& text, Transport& transport) {
  const std::size_t slash = text.find('/');
  int numerator = 0;
  int denominator = 0;
  if (slash == std::string::npos || !ParseWholeNumber(text.substr(0, slash), numerator) ||
      !ParseWholeNumber(text.substr(slash + 1), denominator) || numerator < 1 || numerator > kMostBeatsInABar ||
      !IsPowerOfTwo(denominator) || denominator > kShortestNote) {
    throw UsageError("--time-signature needs beats per bar from 1 to " + std::to_string(kMostBeatsInABar) +
                     " over a note value of 1, 2, 4 and so on up to " + std::to_string(kShortestNote) +
                     ", as in 3/4, not \"" + text + "\"");
  }
  transport.numerator = numerator;
  transport.denominator = denominator;
}

// The command line as it is being read: options of a plug-in go to the last one named,
// or to our own plug-in before any is.
class CommandLine {
 public:
  RenderOptions options;

  void addPlugin(const std::string& path) { named_.push_back(PluginOptions{path, {}, {}, {}, {}, {}, {}}); }
  PluginOptions& current() {
    if (!named_.empty()) return named_.back();
    ownPluginAsked_ = true;
    return ownPlugin_;
  }
  std::vector<PluginOptions> chain() const {
    std::vector<PluginOptions> chain;
    if (ownPluginAsked_ || named_.empty()) chain.push_back(ownPlugin_);
    chain.insert(chain.end(), named_.begin(), named_.end());
    return chain;
  }

 private:
  PluginOptions ownPlugin_;
  bool ownPluginAsked_ = false;
  std::vector<PluginOptions> named_;
};

using ValueOption = std::function<void(CommandLine&, const std::string&)>;

const std::map<std::string, ValueOption>& ValueOptions() {
  static const std::map<std::string, ValueOption> options = {
      {"--plugin", [](CommandLine& c, const std::string& v) { c.addPlugin(v); }},
      {"--param", [](CommandLine& c, const std::string& v) { c.current().parameters.push_back(v); }},
      {"--automate", [](CommandLine& c, const std::string& v) { c.current().automation.push_back(v); }},
      {"--chunk", [](CommandLine& c, const std::string& v) { c.current().chunk = v; }},
      {"--preset", [](CommandLine& c, const std::string& v) { c.current().preset = v; }},
      {"--save-chunk", [](CommandLine& c, const std::string& v) { c.current().saveChunk = v; }},
      {"--save-preset", [](CommandLine& c, const std::string& v) { c.current().savePreset = v; }},
      {"--block", [](CommandLine& c, const std::string& v) { c.options.blockSize = ParseBlockSize(v); }},
      {"--format", [](CommandLine& c, const std::string& v) { c.options.format = v; }},
      {"--tempo", [](CommandLine& c, const std::string& v) { c.options.transport.tempo = ParseTempo(v); }},
      {"--time-signature", [](CommandLine& c, const std::string& v) { ParseTimeSignature(v, c.options.transport); }},
  };
  return options;
}

const std::map<std::string, std::function<void(RenderOptions&)>>& FlagOptions() {
  static const std::map<std::string, std::function<void(RenderOptions&)>> flags = {
      {"--double", [](RenderOptions& o) { o.doublePrecision = true; }},
      {"--info", [](RenderOptions& o) { o.info = true; }},
      {"--json", [](RenderOptions& o) { o.json = true; }},
      {"--force-preset", [](RenderOptions& o) { o.forcePreset = true; }},
      {"--help", [](RenderOptions& o) { o.help = true; }},
      {"-h", [](RenderOptions& o) { o.help = true; }},
  };
  return flags;
}

// Takes "--name value" and "--name=value" alike; answers how many arguments it used.
std::size_t TakeOption(CommandLine& line, const std::vector<std::string>& arguments, std::size_t at) {
  const std::string& argument = arguments[at];
  const std::size_t equals = argument.find('=');
  const std::string name = argument.substr(0, equals);
  if (const auto flag = FlagOptions().find(argument); flag != FlagOptions().end()) {
    flag->second(line.options);
    return 1;
  }
  const auto option = ValueOptions().find(name);
  if (option == ValueOptions().end()) throw UsageError("unknown option " + name);
  if (equals != std::string::npos) {
    option->second(line, argument.substr(equals + 1));
    return 1;
  }
  if (at + 1 >= arguments.size()) throw UsageError(name + " needs a value");
  option->second(line, arguments[at + 1]);
  return 2;
}

void CheckInfoRequest(const RenderOptions& options, std::size_t files) {
  if (files != 0) throw UsageError("--info takes no audio files");
  if (options.chain.size() != 1) throw UsageError("--info describes one plug-in: give --plugin once at most");
}

}  // namespace

RenderOptions ParseRenderOptions(const std::vector<std::string>& arguments) {
  CommandLine line;
  std::vector<std::string> files;
  for (std::size_t at = 0; at < arguments.size();) {
    const std::string& argument = arguments[at];
    if (argument.size() > 1 && argument[0] == '-') {
      at += TakeOption(line, arguments, at);
    } else {
      files.push_back(argument);
      ++at;
    }
  }
  RenderOptions options = std::move(line.options);
  options.chain = line.chain();
  if (options.help) return options;
  if (options.json && !options.info) throw UsageError("--json goes with --info");
  if (options.info) {
    CheckInfoRequest(options, files.size());
    return options;
  }
  if (files.size() != 2) throw UsageError("needs an INPUT and an OUTPUT audio file");
  options.input = files[0];
  options.output = files[1];
  return options;
}

std::string UsageText() {
  return std::string(
             "usage: vst-render [options] INPUT OUTPUT\n"
             "       vst-render --info [--json] [--plugin PATH]\n"
             "Renders the audio file INPUT through a chain of VST 2.4 effects into OUTPUT, block by block.\n"
             "\n"
             "  --plugin PATH        a plug-in to load; repeat it for a chain, which the audio runs through\n"
             "                       in the order given (default: Veltronika_Quorvantile from this build)\n"
             "Options of one plug-in, which refer to the --plugin before them (before the first --plugin:\n"
             "to Veltronika_Quorvantile, which then comes first in the chain):\n"
             "  --param NAME=VALUE   set a parameter before processing; NAME is its name or index,\n"
             "                       VALUE the normalised value from 0 to 1 (repeatable)\n"
             "  --automate NAME=T:V,T:V,...\n"
             "                       set the parameter to V at T seconds, at the start of the block\n"
             "                       that holds that time (repeatable)\n"
             "  --chunk FILE         restore a saved state chunk before processing\n"
             "  --preset FILE        load a VST preset file (.fxp program or .fxb bank) before processing\n"
             "  --save-chunk FILE    save the plug-in's state chunk after processing\n"
             "  --save-preset FILE   save the plug-in's settings after processing, as a bank when FILE\n"
             "                       ends in .fxb, else as a program\n"
             "Options of the whole render:\n"
             "  --block N            host block size in frames (default 512)\n"
             "  --double             process 64-bit samples (processDoubleReplacing)\n"
             "  --tempo BPM          the tempo the host reports (default 120)\n"
             "  --time-signature N/D the time signature the host reports (default 4/4)\n"
             "  --force-preset       load presets saved for a plug-in with another unique ID\n"
             "  --format wav|flac|aiff  output format (default: the input's)\n"
             "  --info               show the plug-in's identity and parameters\n"
             "  --json               with --info: as one JSON object\n"
             "\n"
             "Audio files: ") +
         SupportedAudioFormats() + ".\n";
}
