#pragma once

#include <type_traits>
#include <utility>

#include "host/callback_table.h"
#include "host/dorn.h"
#include "runtime/stereo_frames.h"
#include "runtime/zepkin.h"

// The process entries (table entries 25 and 26) compiled for one script class. Their
// per-frame loop calls that class's sample section directly, which inlines when the
// class is final; a class that runs its sample section over a whole stereo block
// (SampleStereoFrames) gets the block in one call. For TZepkin itself these are the
// general entries: one virtual DoSample per frame. The plug-in entry installs the
// entries of the class it constructs, without naming it here.

struct ProcessEntries {
  void (*replacing)(CDorn*, float** inputs, float** outputs, VstInt32 frames);
  void (*doubleReplacing)(CDorn*, double** inputs, double** outputs, VstInt32 frames);
};

// The channel count of each entry, read from the first plug-in object that processes in
// this process and kept for every later one, whatever its script class.
int ReplacingChannelCount(CDorn* plugin);
int DoubleReplacingChannelCount(CDorn* plugin);

namespace script_process {

template <class Script, class Sample, class = void>
struct RunsStereoFrames : std::false_type {};

template <class Script, class Sample>
struct RunsStereoFrames<Script, Sample,
                        std::void_t<decltype(std::declval<Script&>().SampleStereoFrames(
                            std::declval<const StereoFrames<Sample>&>()))>> : std::true_type {};

template <class Sample>
bool BuffersUsable(Sample** inputs, Sample** outputs, int channels) {
  if (!inputs || !outputs) return false;
  for (int c = 0; c < channels; ++c) {
    if (!inputs[c] || !outputs[c]) return false;
  }
  return true;
}

template <class Script, class Sample>
void ProcessStereo(Script& script, Sample** inputs, Sample** outputs, VstInt32 frames) {
  if constexpr (RunsStereoFrames<Script, Sample>::value) {
    script.SampleStereoFrames(StereoFrames<Sample>{inputs[0], inputs[1], outputs[0], outputs[1], frames});
  } else {
    const Sample* const left = inputs[0];
    const Sample* const right = inputs[1];
    Sample* const outLeft = outputs[0];
    Sample* const outRight = outputs[1];
    double* const samples = script.samples.data();
    for (VstInt32 j = 0; j < frames; ++j) {
      samples[0] = left[j];
      samples[1] = right[j];
      script.DoSample();
      outLeft[j] = static_cast<Sample>(samples[0]);
      outRight[j] = static_cast<Sample>(samples[1]);
    }
  }
}

template <class Script, class Sample>
void ProcessAnyChannels(Script& script, Sample** inputs, Sample** outputs, VstInt32 frames, int channels) {
  double* const samples = script.samples.data();
  for (VstInt32 j = 0; j < frames; ++j) {
    for (int i = channels - 1; i >= 0; --i) samples[i] = inputs[i][j];
    script.DoSample();
    for (int k = channels - 1; k >= 0; --k) outputs[k][j] = static_cast<Sample>(samples[k]);
  }
}

template <class Script, class Sample, int (*ChannelCount)(CDorn*)>
void Process(CDorn* plugin, Sample** inputs, Sample** outputs, VstInt32 frames) {
  const int channels = ChannelCount(plugin);
  if (!RuntimeOf(plugin) || !BuffersUsable(inputs, outputs, channels)) return;
  // The plug-in entry pairs these entries with a script of this class only.
  Script& script = static_cast<Script&>(*RuntimeOf(plugin));
  script.DoBlock();
  if (channels == 2) {
    ProcessStereo(script, inputs, outputs, frames);
  } else {
    ProcessAnyChannels(script, inputs, outputs, frames, channels);
  }
}

}  // namespace script_process

template <class Script>
ProcessEntries ProcessEntriesFor() {
  static_assert(std::is_base_of_v<TZepkin, Script>, "process entries run translated scripts");
  return {script_process::Process<Script, float, ReplacingChannelCount>,
          script_process::Process<Script, double, DoubleReplacingChannelCount>};
}
