// A host that sends arbitrary calls: dispatcher opcodes with arbitrary index, value and
// option, interleaved with parameter changes and reads and with processing in both
// precisions. Pointers are always valid buffers the host owns, of the sizes the
// interface gives for each opcode, with guard bytes around them; opcodes without a
// record of their own get a generic buffer. Checked after every call: no byte outside
// those buffers changed, input channels the plug-in only reads kept their samples, and
// finite samples in gave finite samples out.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "plugin/plugin_entry.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/guarded_buffer.h"
#include "tests/fuzz/require.h"
#include "tests/support/test_host.h"

namespace {

constexpr int kMaxSteps = 48;
constexpr std::uint32_t kMaxFrames = 1500;
constexpr std::size_t kGenericBytes = 256;  // records the interface names but this code leaves opaque
constexpr std::size_t kMaxChunkBytes = 600;
constexpr std::size_t kMaxText = 80;
constexpr std::uint32_t kMaxEvents = 12;
constexpr VstInt32 kHighestOpcode = effGetNumMidiOutputChannels;

// The buffers the host lends to one call.
class HostBuffers {
 public:
  GuardedBuffer& add(std::size_t size) {
    buffers_.push_back(std::make_unique<GuardedBuffer>(size));
    return *buffers_.back();
  }
  bool intact() const {
    for (const auto& buffer : buffers_) {
      if (!buffer->guardsIntact()) return false;
    }
    return true;
  }

 private:
  std::vector<std::unique_ptr<GuardedBuffer>> buffers_;
};

struct Call {
  VstInt32 opcode = 0;
  VstInt32 index = 0;
  VstIntPtr value = 0;
  void* ptr = nullptr;
  float opt = 0.0f;
};

VstInt32 PickIndex(FuzzInput& input) {
  return input.below(4) == 0 ? input.take<VstInt32>() : static_cast<VstInt32>(input.below(5)) - 1;
}

VstIntPtr PickValue(FuzzInput& input) {
  switch (input.below(3)) {
    case 0:
      return input.take<VstIntPtr>();
    case 1:
      return input.take<std::int16_t>();
    default:
      return static_cast<VstIntPtr>(input.below(3));
  }
}

float PickOption(FuzzInput& input) {
  constexpr float kRates[] = {44100.0f, 48000.0f, 96000.0f, 0.0f, 1e9f};
  return input.below(2) == 0 ? input.take<float>() : kRates[input.below(sizeof kRates / sizeof *kRates)];
}

char* TextIn(HostBuffers& buffers, FuzzInput& input) {
  const std::size_t length = input.below(kMaxText);
  GuardedBuffer& text = buffers.add(length + 1);
  input.copyTo(text.data(), length);
  text.data()[length] = 0;
  return text.text();
}

// A list of events, each a record of its own: MIDI, SysEx with its dump, or another type.
void* EventList(HostBuffers& buffers, FuzzInput& input) {
  const std::uint32_t count = input.below(kMaxEvents + 1);
  GuardedBuffer& list = buffers.add(sizeof(VstEvents) + count * sizeof(VstEvent*));
  auto* events = reinterpret_cast<VstEvents*>(list.data());
  events->numEvents = static_cast<VstInt32>(count);
  VstEvent** const slots = events->events;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t kind = input.below(3);
    if (kind == 1) {
      GuardedBuffer& record = buffers.add(sizeof(VstMidiSysexEvent));
      auto* sysex = reinterpret_cast<VstMidiSysexEvent*>(record.data());
      sysex->type = kVstSysExType;
      sysex->byteSize = sizeof(VstMidiSysexEvent);
      sysex->dumpBytes = static_cast<VstInt32>(input.below(32));
      GuardedBuffer& dump = buffers.add(static_cast<std::size_t>(sysex->dumpBytes));
      input.copyTo(dump.data(), dump.size());
      sysex->sysexDump = dump.text();
      slots[i] = reinterpret_cast<VstEvent*>(sysex);
    } else {
      GuardedBuffer& record = buffers.add(sizeof(VstMidiEvent));
      input.copyTo(record.data(), record.size());
      auto* event = reinterpret_cast<VstEvent*>(record.data());
      if (kind == 0) event->type = kVstMidiType;
      slots[i] = event;
    }
  }
  return events;
}

void* Arrangement(HostBuffers& buffers, FuzzInput& input) {
  GuardedBuffer& record = buffers.add(sizeof(VstSpeakerArrangement));
  input.copyTo(record.data(), record.size());
  reinterpret_cast<VstSpeakerArrangement*>(record.data())->numChannels = static_cast<VstInt32>(input.below(9));
  return record.data();
}

std::size_t TextCapacity(VstInt32 opcode) {
  switch (opcode) {
    case effGetProgramName:
    case effGetProgramNameIndexed:
      return kVstMaxProgNameLen;
    case effGetParamLabel:
    case effGetParamDisplay:
      return kVstMaxParamStrLen;
    case effGetParamName:
      return kVstExtMaxParamStrLen;
    case effGetEffectName:
      return kVstMaxEffectNameLen;
    case effGetVendorString:
      return kVstMaxVendorStrLen;
    case effGetProductString:
    case effShellGetNextPlugin:
      return kVstMaxProductStrLen;
    default:
      return 0;
  }
}

// Fills in the pointer (and, where the interface passes a pointer there, the value) of
// a call as a host that keeps to the interface would.
void LendBuffers(Call& call, HostBuffers& buffers, FuzzInput& input) {
  if (const std::size_t capacity = TextCapacity(call.opcode)) {
    call.ptr = buffers.add(capacity).data();
    return;
  }
  switch (call.opcode) {
    case effSetProgramName:
    case effString2Parameter:
    case effCanDo:
      call.ptr = TextIn(buffers, input);
      return;
    case effGetChunk:
    case effEditGetRect:
      call.ptr = buffers.add(sizeof(void*)).data();
      return;
    case effSetChunk: {
      GuardedBuffer& chunk = buffers.add(input.below(kMaxChunkBytes + 1));
      input.copyTo(chunk.data(), chunk.size());
      if (input.below(4) == 0) std::memcpy(chunk.data(), "\x00\x00\x7A\xC4", std::min<std::size_t>(4, chunk.size()));
      call.ptr = chunk.data();
      // The size of the bytes lent, or less; a negative size now and then.
      const auto size = static_cast<VstIntPtr>(chunk.size());
      call.value = input.below(4) == 0 ? static_cast<VstIntPtr>(input.below(static_cast<std::uint32_t>(size) + 1)) -
                                             (input.below(2) == 0 ? size + 1 : 0)
                                       : size;
      return;
    }
    case effProcessEvents:
      call.ptr = EventList(buffers, input);
      return;
    case effGetInputProperties:
    case effGetOutputProperties:
      call.ptr = buffers.add(sizeof(VstPinProperties)).data();
      return;
    case effGetParameterProperties:
      call.ptr = buffers.add(sizeof(VstParameterProperties)).data();
      return;
    case effGetSpeakerArrangement:
      call.value = reinterpret_cast<VstIntPtr>(buffers.add(sizeof(void*)).data());
      call.ptr = buffers.add(sizeof(void*)).data();
      return;
    case effSetSpeakerArrangement:
      call.value = reinterpret_cast<VstIntPtr>(Arrangement(buffers, input));
      call.ptr = Arrangement(buffers, input);
      return;
    default: {
      GuardedBuffer& generic = buffers.add(kGenericBytes);
      input.copyTo(generic.data(), input.below(kGenericBytes + 1));
      call.ptr = generic.data();
      return;
    }
  }
}

class HostRun {
 public:
  explicit HostRun(FuzzInput& input) : input_(input) {
    host_.providesTimeInfo = input_.below(2) == 0;
    input_.copyTo(&host_.timeInfo, sizeof host_.timeInfo);
    instance_ = std::make_unique<PluginInstance>(host_.create(VSTPluginMain));
  }

  void Step() {
    switch (input_.below(6)) {
      case 0:
      case 1:
        Dispatch();
        break;
      case 2: {
        const VstInt32 index = PickIndex(input_);
        instance_->setParameter(index, input_.below(2) == 0 ? input_.take<float>() : RoundValue());
        break;
      }
      case 3:
        instance_->parameter(PickIndex(input_));
        break;
      case 4:
        Process<float>();
        break;
      default:
        Process<double>();
        break;
    }
  }

 private:
  float RoundValue() { return static_cast<float>(input_.below(21)) / 20.0f; }

  void Dispatch() {
    Call call;
    call.opcode = input_.below(8) == 0 ? input_.take<VstInt32>() : static_cast<VstInt32>(input_.below(kHighestOpcode + 3));
    call.index = PickIndex(input_);
    call.value = PickValue(input_);
    call.opt = PickOption(input_);
    if (call.opcode == effClose) {
      // The record is gone afterwards: the host creates a new instance and goes on with that.
      AEffect* effect = instance_->release();
      Require(effect->dispatcher(effect, effClose, call.index, call.value, nullptr, call.opt) == 1,
              "effClose answers 1");
      instance_ = std::make_unique<PluginInstance>(host_.create(VSTPluginMain));
      return;
    }
    HostBuffers buffers;
    LendBuffers(call, buffers, input_);
    const VstIntPtr answer = instance_->dispatch(call.opcode, call.index, call.value, call.ptr, call.opt);
    Require(buffers.intact(), "the plug-in writes only within the buffers the host lends");
    if (call.opcode == effGetChunk && answer != 0) {
      const auto* data = *static_cast<const unsigned char* const*>(call.ptr);
      Require(answer > 0 && data != nullptr, "a chunk has a positive size and an address");
      // The host copies the chunk right away; a sanitizer sees a read beyond it.
      const std::vector<unsigned char> copy(data, data + answer);
      Require(copy.size() % sizeof(float) == 0, "a chunk is made of whole floats");
    }
  }

  template <class Sample>
  void Process() {
    const VstInt32 frames = static_cast<VstInt32>(input_.below(kMaxFrames + 1));
    const bool inPlace = input_.below(2) == 0;
    std::uint32_t state = input_.take<std::uint32_t>() | 1u;
    const std::uint32_t specials = input_.below(4);
    const std::size_t bytes = static_cast<std::size_t>(frames) * sizeof(Sample);
    GuardedBuffer in[2] = {GuardedBuffer(bytes), GuardedBuffer(bytes)};
    GuardedBuffer out[2] = {GuardedBuffer(bytes), GuardedBuffer(bytes)};
    bool finite = true;
    for (GuardedBuffer& channel : in) {
      auto* samples = reinterpret_cast<Sample*>(channel.data());
      for (VstInt32 j = 0; j < frames; ++j) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        samples[j] = static_cast<Sample>(static_cast<double>(state) / 2147483648.0 - 1.0);
      }
      for (std::uint32_t s = 0; s < specials && frames > 0; ++s) {
        samples[input_.below(static_cast<std::uint32_t>(frames))] = input_.take<Sample>();
      }
      for (VstInt32 j = 0; j < frames; ++j) finite = finite && std::isfinite(samples[j]);
    }
    const std::vector<unsigned char> left(in[0].data(), in[0].data() + bytes), right(in[1].data(), in[1].data() + bytes);
    Sample* inputs[2] = {reinterpret_cast<Sample*>(in[0].data()), reinterpret_cast<Sample*>(in[1].data())};
    Sample* outputs[2] = {reinterpret_cast<Sample*>(out[0].data()), reinterpret_cast<Sample*>(out[1].data())};
    ProcessRecord(inPlace ? inputs : outputs, inputs, frames);
    Require(in[0].guardsIntact() && in[1].guardsIntact() && out[0].guardsIntact() && out[1].guardsIntact(),
            "processing writes only within the channel buffers");
    if (!inPlace) {
      Require(std::equal(left.begin(), left.end(), in[0].data()) && std::equal(right.begin(), right.end(), in[1].data()),
              "processing leaves separate input channels alone");
    }
    Sample** const written = inPlace ? inputs : outputs;
    for (VstInt32 j = 0; finite && j < frames; ++j) {
      Require(std::isfinite(written[0][j]) && std::isfinite(written[1][j]), "finite samples in give finite samples out");
    }
  }

  void ProcessRecord(float** outputs, float** inputs, VstInt32 frames) {
    AEffect* effect = instance_->effect();
    effect->processReplacing(effect, inputs, outputs, frames);
  }
  void ProcessRecord(double** outputs, double** inputs, VstInt32 frames) {
    AEffect* effect = instance_->effect();
    effect->processDoubleReplacing(effect, inputs, outputs, frames);
  }

  FuzzInput& input_;
  TestHost host_;
  std::unique_ptr<PluginInstance> instance_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  HostRun run(input);
  for (int step = 0; step < kMaxSteps && !input.exhausted(); ++step) run.Step();
  return 0;
}
