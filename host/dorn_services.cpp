#include <cstddef>

#include "host/dorn.h"
#include "runtime/adaptor_services.h"
#include "runtime/zepkin.h"

namespace {

VstTimeInfo* TimeInfo(CDorn* plugin, VstInt32 requestMask) {
  return plugin ? plugin->getTimeInfo(requestMask) : nullptr;
}

std::int32_t SendSingleEvent(CDorn* plugin, VstEvent* event) {
  VstEvents list{};
  list.numEvents = 1;
  list.events[0] = event;
  return plugin->sendVstEventsToHost(&list) ? 1 : 0;
}

}  // namespace

std::int32_t DornGetNumInputs(CDorn* plugin) { return plugin ? plugin->getAeffect()->numInputs : 0; }

std::int32_t DornGetNumOutputs(CDorn* plugin) { return plugin ? plugin->getAeffect()->numOutputs : 0; }

std::int32_t DornSetNumInputs(CDorn* plugin, std::int32_t count) {
  if (!plugin) return 0;
  plugin->setNumInputs(count);
  return 1;
}

std::int32_t DornSetNumOutputs(CDorn* plugin, std::int32_t count) {
  if (!plugin) return 0;
  plugin->setNumOutputs(count);
  return 1;
}

std::int32_t DornSetUniqueID(CDorn* plugin, std::int32_t id) {
  if (!plugin) return 0;
  plugin->setUniqueID(id);
  return 1;
}

std::int32_t DornSetProgramsAreChunks(CDorn* plugin, bool state) {
  if (!plugin) return 0;
  plugin->programsAreChunks(state);
  return 1;
}

double DornGetSampleRate(CDorn* plugin) { return plugin ? plugin->getSampleRate() : 0.0; }

std::int32_t DornGetBlockSize(CDorn* plugin) { return plugin ? plugin->getBlockSize() : 0; }

double DornGetTempo(CDorn* plugin) {
  const VstTimeInfo* time = TimeInfo(plugin, kVstTempoValid);
  return time ? time->tempo : 0.0;
}

std::int32_t DornIsPlaying(CDorn* plugin) {
  const VstTimeInfo* time = TimeInfo(plugin, kVstTransportPlaying);
  return time && (time->flags & kVstTransportPlaying) ? 1 : 0;
}

std::int32_t DornIsRecording(CDorn* plugin) {
  const VstTimeInfo* time = TimeInfo(plugin, kVstTransportRecording);
  return time && (time->flags & kVstTransportRecording) ? 1 : 0;
}

double DornGetPpqPosition(CDorn* plugin) {
  const VstTimeInfo* time = TimeInfo(plugin, kVstPpqPosValid);
  return time ? time->ppqPos : 0.0;
}

double DornGetBarStartPosition(CDorn* plugin) {
  const VstTimeInfo* time = TimeInfo(plugin, kVstBarsValid);
  return time ? time->barStartPos : 0.0;
}

std::int32_t DornGetTimeSignature(CDorn* plugin, double* tempo, double* numerator, double* denominator) {
  const VstTimeInfo* time = TimeInfo(plugin, kVstTempoValid | kVstTimeSigValid);
  if (!time) return 0;
  if (tempo) *tempo = time->tempo;
  if (numerator) *numerator = time->timeSigNumerator;
  if (denominator) *denominator = time->timeSigDenominator;
  return 1;
}

std::int32_t DornUpdateDisplay(CDorn* plugin) { return plugin && plugin->updateDisplay() ? 1 : 0; }

std::int32_t DornAutomateSlider(CDorn* plugin, std::int32_t parameter, double value) {
  const TZepkin* const script = RuntimeOf(plugin);
  if (!script || parameter < 0 || static_cast<std::size_t>(parameter) >= script->sliders.size()) return 0;
  const SliderDefinition& slider = script->sliders[static_cast<std::size_t>(parameter)];
  const double range = slider.maximum - slider.minimum;
  const double normalised = range != 0.0 ? (value - slider.minimum) / range : 0.0;
  plugin->setParameterAutomated(parameter, static_cast<float>(normalised));
  return 1;
}

std::int32_t DornSetInitialDelay(CDorn* plugin, std::int32_t samples) {
  if (!plugin) return 0;
  plugin->setInitialDelay(samples);
  return 1;
}

std::int32_t DornSendMidi(CDorn* plugin, std::int32_t deltaFrames, std::int32_t data0, std::int32_t data1,
                          std::int32_t data2) {
  if (!plugin) return 0;
  VstMidiEvent event{};
  event.type = kVstMidiType;
  event.byteSize = sizeof(VstMidiEvent);
  event.deltaFrames = deltaFrames;
  event.midiData[0] = static_cast<char>(data0);
  event.midiData[1] = static_cast<char>(data1);
  event.midiData[2] = static_cast<char>(data2);
  return SendSingleEvent(plugin, reinterpret_cast<VstEvent*>(&event));
}

std::int32_t DornSendSysEx(CDorn* plugin, std::int32_t deltaFrames, char* dump, std::int32_t dumpBytes) {
  if (!plugin) return 0;
  VstMidiSysexEvent event{};
  event.type = kVstSysExType;
  event.byteSize = 32;
  event.deltaFrames = deltaFrames;
  event.dumpBytes = dumpBytes;
  event.sysexDump = dump;
  return SendSingleEvent(plugin, reinterpret_cast<VstEvent*>(&event));
}

std::int32_t DornReceiveMidi(CDorn* plugin, std::int32_t* deltaFrames, std::int32_t* data0, std::int32_t* data1,
                             std::int32_t* data2) {
  if (!plugin) return 0;
  const bool waiting = plugin->midiReadPosition != plugin->midiRingPosition;
  const VstMidiEvent* event = waiting ? &plugin->midiRing[static_cast<std::size_t>(plugin->midiReadPosition)] : nullptr;
  if (deltaFrames) *deltaFrames = event ? event->deltaFrames : 0;
  if (data0) *data0 = event ? static_cast<unsigned char>(event->midiData[0]) : 0;
  if (data1) *data1 = event ? static_cast<unsigned char>(event->midiData[1]) : 0;
  if (data2) *data2 = event ? static_cast<unsigned char>(event->midiData[2]) : 0;
  if (!waiting) return 0;
  plugin->midiReadPosition = (plugin->midiReadPosition + 1) % CDorn::kMidiRingLength;
  return 1;
}
