#include <cstddef>
#include <cstring>

#include "host/audio_effect_x.h"
#include "host/bounded_text.h"

namespace {

std::size_t ArrangementBytes(VstInt32 channels) {
  return offsetof(VstSpeakerArrangement, speakers) + static_cast<std::size_t>(channels) * sizeof(VstSpeakerProperties);
}

}  // namespace

bool AudioEffectX::allocateArrangement(VstSpeakerArrangement** arrangement, VstInt32 nbChannels) {
  if (!arrangement || nbChannels < 0) return false;
  deallocateArrangement(arrangement);
  char* storage = new char[ArrangementBytes(nbChannels)]();
  *arrangement = reinterpret_cast<VstSpeakerArrangement*>(storage);
  (*arrangement)->numChannels = nbChannels;
  return true;
}

bool AudioEffectX::deallocateArrangement(VstSpeakerArrangement** arrangement) {
  if (!arrangement) return false;
  delete[] reinterpret_cast<char*>(*arrangement);
  *arrangement = nullptr;
  return true;
}

bool AudioEffectX::copySpeaker(VstSpeakerProperties* to, VstSpeakerProperties* from) {
  if (!to || !from) return false;
  to->azimuth = from->azimuth;
  to->elevation = from->elevation;
  to->radius = from->radius;
  to->reserved = from->reserved;
  char name[sizeof from->name];
  std::memcpy(name, from->name, sizeof name);
  name[sizeof name - 1] = 0;  // a name of 63 characters at most, even if the source lacks a terminator
  CopyBoundedText(to->name, name, sizeof to->name);
  to->type = from->type;
  std::memcpy(to->future, from->future, sizeof to->future);
  return true;
}

bool AudioEffectX::matchArrangement(VstSpeakerArrangement** to, VstSpeakerArrangement* from) {
  if (!to || !from || !allocateArrangement(to, from->numChannels)) return false;
  (*to)->type = from->type;
  // Both arrangements hold numChannels speakers, beyond the eight the record declares.
  VstSpeakerProperties* const target = (*to)->speakers;
  VstSpeakerProperties* const source = from->speakers;
  for (VstInt32 i = 0; i < from->numChannels; ++i) copySpeaker(target + i, source + i);
  return true;
}
