#include "tools/render/render_session.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tools/audio/audio_file.h"
#include "tools/render/automation_schedule.h"
#include "tools/render/block_buffers.h"
#include "tools/render/parameter_lookup.h"
#include "tools/render/parameter_requests.h"
#include "tools/render/progress_bar.h"
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
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) throw std::runtime_error("cannot write the chunk file " + path);
}

std::string Channels(int count) { return std::to_string(count) + (count == 1 ? " channel" : " channels"); }

void CheckPluginFits(const HostedPlugin& plugin, const AudioFileInfo& input, const RenderOptions& options) {
  const AEffect& record = plugin.record();
  if (record.numInputs != input.channels) {
    throw std::runtime_error(options.input + " has " + Channels(input.channels) + ", but the plug-in takes " +
                             Channels(record.numInputs));
  }
  if (record.numOutputs < 1) throw std::runtime_error("the plug-in has no audio outputs");
  if (options.doublePrecision && !plugin.hasFlag(effFlagsCanDoubleReplacing)) {
    throw std::runtime_error("the plug-in cannot process 64-bit samples; leave out --double");
  }
  if (!options.doublePrecision && !plugin.hasFlag(effFlagsCanReplacing)) {
    throw std::runtime_error("the plug-in has no processReplacing, the only 32-bit process call a VST 2.4 host uses");
  }
  if ((!options.chunk.empty() || !options.saveChunk.empty()) && !plugin.hasFlag(effFlagsProgramChunks)) {
    throw std::runtime_error("the plug-in keeps no state chunk");
  }
}

void CheckDistinctFiles(const RenderOptions& options) {
  std::error_code error;
  if (std::filesystem::equivalent(options.input, options.output, error)) {
    throw std::runtime_error("the output " + options.output + " would overwrite the input");
  }
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

// The command line's parameter requests, checked for form before any file is touched.
struct ParameterRequests {
  std::vector<ParameterSetting> settings;
  std::vector<ParameterAutomation> automation;
};

ParameterRequests ParseRequests(const RenderOptions& options) {
  ParameterRequests requests;
  for (const std::string& text : options.parameters) requests.settings.push_back(ParseParameterSetting(text));
  for (const std::string& text : options.automation) requests.automation.push_back(ParseParameterAutomation(text));
  return requests;
}

AutomationSchedule ScheduleOf(const ParameterRequests& requests, const HostedPlugin& plugin, double sampleRate) {
  AutomationSchedule schedule;
  for (const ParameterAutomation& automation : requests.automation) {
    const VstInt32 index = FindParameter(plugin, automation.parameter);
    for (const AutomationPoint& point : automation.points) schedule.add(point.seconds, sampleRate, index, point.value);
  }
  return schedule;
}

void ApplySettings(const ParameterRequests& requests, HostedPlugin& plugin) {
  for (const ParameterSetting& setting : requests.settings) {
    plugin.setParameter(FindParameter(plugin, setting.parameter), setting.value);
  }
}

template <class Sample>
void ProcessFile(HostedPlugin& plugin, RenderHost& host, AudioReader& reader, AudioWriter& writer,
                 AutomationSchedule& schedule, ProgressBar& progress) {
  const AEffect& record = plugin.record();
  const auto blockSize = static_cast<std::size_t>(host.blockSize());
  BlockBuffers<Sample> buffers(record.numInputs, record.numOutputs, blockSize);
  std::vector<double> in(blockSize * static_cast<std::size_t>(record.numInputs));
  std::vector<double> out(blockSize * static_cast<std::size_t>(record.numOutputs));
  std::int64_t position = 0;
  while (const std::size_t frames = reader.read(in.data(), blockSize)) {
    buffers.takeInput(in.data(), frames);
    schedule.applyBefore(position + static_cast<std::int64_t>(frames),
                         [&plugin](VstInt32 index, float value) { plugin.setParameter(index, value); });
    host.setPosition(position);
    plugin.process(buffers.inputs(), buffers.outputs(), static_cast<VstInt32>(frames));
    buffers.giveOutput(out.data(), frames);
    writer.write(out.data(), frames);
    position += static_cast<std::int64_t>(frames);
    progress.update(position);
  }
}

}  // namespace

void RenderFile(const RenderOptions& options, const std::string& pluginPath, std::ostream& progressOut,
                bool showProgress) {
  const ParameterRequests requests = ParseRequests(options);
  CheckDistinctFiles(options);
  const std::unique_ptr<AudioReader> reader = OpenAudioReader(options.input);
  const AudioFileInfo input = reader->info();
  if (input.frames <= 0) throw std::runtime_error(options.input + " holds no audio");
  const std::vector<unsigned char> chunk = options.chunk.empty() ? std::vector<unsigned char>()
                                                                 : ReadChunkFile(options.chunk);

  const PluginModule module(pluginPath);
  RenderHost host(input.sampleRate, options.blockSize);
  HostedPlugin plugin(module, host);
  CheckPluginFits(plugin, input, options);
  AutomationSchedule schedule = ScheduleOf(requests, plugin, input.sampleRate);
  const AudioFileInfo outputInfo{plugin.record().numOutputs, input.sampleRate, input.frames,
                                 options.format.empty() ? input.format : FormatInContainer(options.format, input)};

  plugin.start(options.doublePrecision);
  if (!chunk.empty()) plugin.restore(chunk);
  ApplySettings(requests, plugin);

  PendingOutput output(options.output, outputInfo);
  {
    ProgressBar progress(progressOut, input.frames,
                         showProgress && static_cast<double>(input.frames) > kProgressFromSeconds * input.sampleRate);
    if (options.doublePrecision) {
      ProcessFile<double>(plugin, host, *reader, output.writer(), schedule, progress);
    } else {
      ProcessFile<float>(plugin, host, *reader, output.writer(), schedule, progress);
    }
  }
  output.complete();
  if (!options.saveChunk.empty()) WriteChunkFile(options.saveChunk, plugin.chunk());
}
