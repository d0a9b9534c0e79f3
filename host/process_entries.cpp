#include <algorithm>

#include "host/callback_entries.h"
#include "host/script_process_entries.h"
#include "runtime/adaptor_services.h"

namespace {

// Bounded by the script's sample slots.
int ProcessChannelCount(CDorn* plugin) {
  return std::clamp<int>(DornGetNumInputs(plugin), 0, CZepkinSamples::kSampleSlotCount);
}

}  // namespace

int ReplacingChannelCount(CDorn* plugin) {
  static const int channels = ProcessChannelCount(plugin);
  return channels;
}

int DoubleReplacingChannelCount(CDorn* plugin) {
  static const int channels = ProcessChannelCount(plugin);
  return channels;
}

void OnProcessReplacing(CDorn* plugin, float** inputs, float** outputs, VstInt32 frames) {
  ProcessEntriesFor<TZepkin>().replacing(plugin, inputs, outputs, frames);
}

void OnProcessDoubleReplacing(CDorn* plugin, double** inputs, double** outputs, VstInt32 frames) {
  ProcessEntriesFor<TZepkin>().doubleReplacing(plugin, inputs, outputs, frames);
}
