#include <algorithm>

#include "host/callback_entries.h"
#include "host/dorn.h"
#include "runtime/adaptor_services.h"
#include "runtime/zepkin.h"

namespace {

// The channel count comes from the first instance that processes in this process and
// is kept for all later ones, bounded by the script's sample slots.
int ProcessChannelCount(CDorn* plugin) {
  return std::clamp<int>(DornGetNumInputs(plugin), 0, CZepkinSamples::kSampleSlotCount);
}

template <class Sample>
bool BuffersUsable(Sample** inputs, Sample** outputs, int channels) {
  if (!inputs || !outputs) return false;
  for (int c = 0; c < channels; ++c) {
    if (!inputs[c] || !outputs[c]) return false;
  }
  return true;
}

template <class Sample>
void ProcessStereo(TZepkin& script, Sample** inputs, Sample** outputs, VstInt32 frames) {
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

template <class Sample>
void ProcessAnyChannels(TZepkin& script, Sample** inputs, Sample** outputs, VstInt32 frames, int channels) {
  double* const samples = script.samples.data();
  for (VstInt32 j = 0; j < frames; ++j) {
    for (int i = channels - 1; i >= 0; --i) samples[i] = inputs[i][j];
    script.DoSample();
    for (int k = channels - 1; k >= 0; --k) outputs[k][j] = static_cast<Sample>(samples[k]);
  }
}

template <class Sample>
void Process(CDorn* plugin, Sample** inputs, Sample** outputs, VstInt32 frames, int channels) {
  TZepkin* script = RuntimeOf(plugin);
  if (!script || !BuffersUsable(inputs, outputs, channels)) return;
  script->DoBlock();
  if (channels == 2) {
    ProcessStereo(*script, inputs, outputs, frames);
  } else {
    ProcessAnyChannels(*script, inputs, outputs, frames, channels);
  }
}

}  // namespace

void OnProcessReplacing(CDorn* plugin, float** inputs, float** outputs, VstInt32 frames) {
  static const int channels = ProcessChannelCount(plugin);
  Process(plugin, inputs, outputs, frames, channels);
}

void OnProcessDoubleReplacing(CDorn* plugin, double** inputs, double** outputs, VstInt32 frames) {
  static const int channels = ProcessChannelCount(plugin);
  Process(plugin, inputs, outputs, frames, channels);
}
