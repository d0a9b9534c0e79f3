#include "tools/render/render_session.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>

#include "tools/audio/audio_file.h"
#include "tools/render/automation_schedule.h"
#include "tools/render/block_buffers.h"
#include "tools/render/parameter_lookup.h"
#include "tools/render/parameter_requests.h"
#include "tools/render/plugin_presets.h"
#include "tools/render/progress_bar.h"
#include "tools/render/saved_file.h"
#include "tools/vst_host/hosted_plugin.h"

namespace {

// Shorter renders finish before a progress bar would tell anything.
constexpr double kProgressFromSeconds = 30.0;

std::vector<unsigned char> ReadChunkFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read the chunk file " + path);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (bytes.empty()) throw std::runtime_error("the chunk file " + path + " is empty");
  return bytes;
}

void WriteChunkFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  if (bytes.empty()) throw std::runtime_error("the plug-in handed over no state chunk to save");
  SaveFile(path, bytes, "the chunk file");
}

std::string Channels(int count) { return std::to_string(count) + (count == 1 ? " channel" : " channels"); }

// The command line's parameter requests, checked for form before any file is touched.
struct ParameterRequests {
  std::vector<ParameterSetting> settings;
  std::vector<ParameterAutomation> automation;
};

ParameterRequests ParseRequests(const PluginOptions& options) {
  ParameterRequests requests;
  for (const std::string& text : options.parameters) requests.settings.push_back(ParseParameterSetting(text));
  for (const std::string& text : options.automation) requests.automation.push_back(ParseParameterAutomation(text));
  return requests;
}

// A --param request with the index the plug-in has for the parameter.
struct FoundSetting {
  VstInt32 index;
  float value;
};

// One plug-in of the chain: what the command line asks of it, read and checked before
// any plug-in is loaded, then the plug-in itself (closed before its library goes).
struct ChainLink {
  ChainLink(const PluginOptions& pluginOptions, std::size_t place, std::size_t links)
      : options(pluginOptions), requests(ParseRequests(pluginOptions)) {
    const std::string file = std::filesystem::path(options.path).filename().string();
    const std::string number = "plug-in " + std::to_string(place + 1);
    label = links == 1 ? "the plug-in" : number + " (" + file + ")";
    name = links == 1 ? file : number + ", " + file;
    if (!options.chunk.empty()) chunk = ReadChunkFile(options.chunk);
    if (!options.preset.empty()) preset = ReadPresetFile(options.preset);
  }

  const AEffect& record() const { return plugin->record(); }

  const PluginOptions& options;
  // How errors name it: as "the plug-in" when it is alone, else by its place in the chain.
  std::string label;
  // How preset errors name it: by its file, and its place in a chain.
  std::string name;
  ParameterRequests requests;
  std::vector<unsigned char> chunk;
  std::optional<PresetFile> preset;
  std::unique_ptr<PluginModule> module;
  std::unique_ptr<HostedPlugin> plugin;
  // The parameter requests with the plug-in's indices, found once it is loaded.
  std::vector<FoundSetting> settings;
  AutomationSchedule schedule;
};

using Chain = std::vector<std::unique_ptr<ChainLink>>;

void CheckDistinctFiles(const RenderOptions& options) {
  std::error_code error;
  if (std::filesystem::equivalent(options.input, options.output, error)) {
    throw std::runtime_error("the output " + options.output + " would overwrite the input");
  }
}

// The channels coming into a plug-in must be the ones it takes.
void CheckChannels(const Chain& chain, std::size_t place, const RenderOptions& options, int fileChannels) {
  const ChainLink& link = *chain[place];
  const int takes = link.record().numInputs;
  const int given = place == 0 ? fileChannels : chain[place - 1]->record().numOutputs;
  if (given == takes) return;
  const std::string source = place == 0 ? options.input + " has " : chain[place - 1]->label + " gives ";
  throw std::runtime_error(source + Channels(given) + ", but " + link.label + " takes " + Channels(takes));
}

void CheckPluginFits(const ChainLink& link, const RenderOptions& options) {
  const HostedPlugin& plugin = *link.plugin;
  if (link.record().numOutputs < 1) throw std::runtime_error(link.label + " has no audio outputs");
  if (options.doublePrecision && !plugin.hasFlag(effFlagsCanDoubleReplacing)) {
    throw std::runtime_error(link.label + " cannot process 64-bit samples; leave out --double");
  }
  if (!options.doublePrecision && !plugin.hasFlag(effFlagsCanReplacing)) {
    throw std::runtime_error(link.label +
                             " has no processReplacing, the only 32-bit process call a VST 2.4 host uses");
  }
  if ((!link.options.chunk.empty() || !link.options.saveChunk.empty()) && !plugin.hasFlag(effFlagsProgramChunks)) {
    throw std::runtime_error(link.label + " keeps no state chunk");
  }
  if (link.preset) CheckPresetFits(*link.preset, link.options.preset, plugin, link.name, options.forcePreset);
}

void FindRequestedParameters(ChainLink& link, double sampleRate) {
  const HostedPlugin& plugin = *link.plugin;
  for (const ParameterSetting& setting : link.requests.settings) {
    link.settings.push_back({FindParameter(plugin, setting.parameter), setting.value});
  }
  for (const ParameterAutomation& automation : link.requests.automation) {
    const VstInt32 index = FindParameter(plugin, automation.parameter);
    for (const AutomationPoint& point : automation.points) {
      link.schedule.add(point.seconds, sampleRate, index, point.value);
    }
  }
}

// Loads every plug-in and checks it against the audio, its neighbours and what it is
// asked to take, before any of them is started.
void LoadChain(Chain& chain, RenderHost& host, const RenderOptions& options, int fileChannels) {
  for (std::size_t place = 0; place < chain.size(); ++place) {
    ChainLink& link = *chain[place];
    link.module = std::make_unique<PluginModule>(link.options.path);
    link.plugin = std::make_unique<HostedPlugin>(*link.module, host);
    CheckChannels(chain, place, options, fileChannels);
    CheckPluginFits(link, options);
    FindRequestedParameters(link, host.sampleRate());
  }
}

// Chunk first, then the preset, then single parameters, each over what came before.
void StartLink(ChainLink& link, bool doublePrecision) {
  HostedPlugin& plugin = *link.plugin;
  plugin.start(doublePrecision);
  if (!link.chunk.empty()) plugin.restore(link.chunk);
  if (link.preset) LoadPreset(*link.preset, plugin);
  for (const FoundSetting& setting : link.settings) plugin.setParameter(setting.index, setting.value);
}

void SaveLink(const ChainLink& link) {
  if (!link.options.saveChunk.empty()) WriteChunkFile(link.options.saveChunk, link.plugin->chunk());
  if (!link.options.savePreset.empty()) SavePresetFile(link.options.savePreset, *link.plugin);
}

// The output file while it is being written: removed again unless the render completes it.
class PendingOutput {
 public:
  PendingOutput(const std::string& path, const AudioFileInfo& info)
      : path_(path), writer_(CreateAudioWriter(path, info)) {}
  ~PendingOutput() {
    if (!writer_) return;
    writer_.reset();
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  PendingOutput(const PendingOutput&) = delete;
  PendingOutput& operator=(const PendingOutput&) = delete;

  AudioWriter& writer() { return *writer_; }
  void complete() {
    writer_->finish();
    writer_.reset();
  }

 private:
  std::string path_;
  std::unique_ptr<AudioWriter> writer_;
};

template <class Sample>
void ProcessFile(Chain& chain, RenderHost& host, AudioReader& reader, AudioWriter& writer, ProgressBar& progress) {
  const auto blockSize = static_cast<std::size_t>(host.blockSize());
  std::vector<int> channels{chain.front()->record().numInputs};
  for (const auto& link : chain) channels.push_back(link->record().numOutputs);
  ChainBuffers<Sample> buffers(channels, blockSize);
  std::vector<double> in(blockSize * static_cast<std::size_t>(channels.front()));
  std::vector<double> out(blockSize * static_cast<std::size_t>(channels.back()));
  std::int64_t position = 0;
  while (const std::size_t frames = reader.read(in.data(), blockSize)) {
    buffers.takeInput(in.data(), frames);
    host.setPosition(position);
    for (std::size_t place = 0; place < chain.size(); ++place) {
      HostedPlugin& plugin = *chain[place]->plugin;
      chain[place]->schedule.applyBefore(position + static_cast<std::int64_t>(frames),
                                         [&plugin](VstInt32 index, float value) { plugin.setParameter(index, value); });
      plugin.process(buffers.inputsOf(place), buffers.outputsOf(place), static_cast<VstInt32>(frames));
    }
    buffers.giveOutput(out.data(), frames);
    writer.write(out.data(), frames);
    position += static_cast<std::int64_t>(frames);
    progress.update(position);
  }
}

}  // namespace

void RenderFile(const RenderOptions& options, std::ostream& progressOut, bool showProgress) {
  // Made once the input's sample rate is known; declared first, so that it goes only
  // after the plug-ins are closed.
  std::optional<RenderHost> host;
  Chain chain;
  for (std::size_t place = 0; place < options.chain.size(); ++place) {
    chain.push_back(std::make_unique<ChainLink>(options.chain[place], place, options.chain.size()));
  }
  CheckDistinctFiles(options);
  const std::unique_ptr<AudioReader> reader = OpenAudioReader(options.input);
  const AudioFileInfo input = reader->info();
  if (input.frames <= 0) throw std::runtime_error(options.input + " holds no audio");

  host.emplace(input.sampleRate, options.blockSize, options.transport);
  LoadChain(chain, *host, options, input.channels);
  const AudioFileInfo outputInfo{chain.back()->record().numOutputs, input.sampleRate, input.frames,
                                 options.format.empty() ? input.format : FormatInContainer(options.format, input)};
  for (const auto& link : chain) StartLink(*link, options.doublePrecision);

  PendingOutput output(options.output, outputInfo);
  {
    ProgressBar progress(progressOut, input.frames,
                         showProgress && static_cast<double>(input.frames) > kProgressFromSeconds * input.sampleRate);
    if (options.doublePrecision) {
      ProcessFile<double>(chain, *host, *reader, output.writer(), progress);
    } else {
      ProcessFile<float>(chain, *host, *reader, output.writer(), progress);
    }
  }
  output.complete();
  for (const auto& link : chain) SaveLink(*link);
}
