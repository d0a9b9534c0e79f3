#include "tools/vst_host/render_host.h"

#include <cmath>
#include <cstring>

namespace {

// Values of the interface that our declarations leave out because the plug-in never
// needs them: the process level a host reports, and its language.
constexpr VstIntPtr kVstProcessLevelOffline = 4;
constexpr VstIntPtr kVstLangEnglish = 1;
constexpr char kHostName[] = "vst-render";

VstIntPtr CopyText(void* ptr, const char* text, std::size_t capacity) {
  if (!ptr) return 0;
  std::strncpy(static_cast<char*>(ptr), text, capacity - 1);
  static_cast<char*>(ptr)[capacity - 1] = 0;
  return 1;
}

// Of the capabilities a plug-in may ask about by name, this host has one: it supplies
// time information.
VstIntPtr CanDo(const void* ptr) {
  return ptr && std::strcmp(static_cast<const char*>(ptr), "sendVstTimeInfo") == 0 ? 1 : 0;
}

}  // namespace

RenderHost::RenderHost(double sampleRate, VstInt32 blockSize, const Transport& transport) : blockSize_(blockSize) {
  timeInfo_.sampleRate = sampleRate;
  timeInfo_.tempo = transport.tempo;
  timeInfo_.timeSigNumerator = transport.numerator;
  timeInfo_.timeSigDenominator = transport.denominator;
  timeInfo_.flags = kVstTransportPlaying | kVstPpqPosValid | kVstTempoValid | kVstBarsValid | kVstTimeSigValid;
}

void RenderHost::setPosition(std::int64_t frame) {
  timeInfo_.samplePos = static_cast<double>(frame);
  const double quarters = timeInfo_.samplePos / timeInfo_.sampleRate * timeInfo_.tempo / 60.0;
  const double barQuarters = timeInfo_.timeSigNumerator * 4.0 / timeInfo_.timeSigDenominator;
  timeInfo_.ppqPos = quarters;
  timeInfo_.barStartPos = std::floor(quarters / barQuarters) * barQuarters;
}

VstIntPtr RenderHost::answer(const HostCall& call) {
  switch (call.opcode) {
    case audioMasterVersion:
      return kVstVersion;
    case audioMasterGetTime:
      return reinterpret_cast<VstIntPtr>(&timeInfo_);
    case audioMasterGetSampleRate:
      return static_cast<VstIntPtr>(timeInfo_.sampleRate);
    case audioMasterGetBlockSize:
      return blockSize_;
    case audioMasterGetCurrentProcessLevel:
      return kVstProcessLevelOffline;
    case audioMasterGetLanguage:
      return kVstLangEnglish;
    case audioMasterGetVendorString:
      return CopyText(call.ptr, kHostName, kVstMaxVendorStrLen);
    case audioMasterGetProductString:
      return CopyText(call.ptr, kHostName, kVstMaxProductStrLen);
    case audioMasterGetVendorVersion:
      return 1;
    case audioMasterCanDo:
      return CanDo(call.ptr);
    default:
      return 0;
  }
}
