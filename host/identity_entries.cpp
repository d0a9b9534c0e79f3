#include "host/bounded_text.h"
#include "host/callback_entries.h"
#include "host/dorn.h"
#include "runtime/zepkin.h"

namespace {

VstInt32 CopyName(CDorn* plugin, std::string CZepkinDescription::*name, char* text, std::size_t capacity) {
  const TZepkin* script = RuntimeOf(plugin);
  if (!script) return 0;
  CopyBoundedText(text, (script->*name).c_str(), capacity);
  return 1;
}

}  // namespace

VstInt32 OnGetVendorVersion(CDorn* plugin) {
  const TZepkin* script = RuntimeOf(plugin);
  return script ? script->vendorVersion : 0;
}

VstInt32 OnGetVendorString(CDorn* plugin, char* text) {
  return CopyName(plugin, &CZepkinDescription::vendorName, text, kVstMaxVendorStrLen);
}

VstInt32 OnGetProductString(CDorn* plugin, char* text) {
  return CopyName(plugin, &CZepkinDescription::productName, text, kVstMaxProductStrLen);
}

VstInt32 OnGetEffectName(CDorn* plugin, char* text) {
  return CopyName(plugin, &CZepkinDescription::effectName, text, kVstMaxEffectNameLen);
}

VstInt32 OnGetProgramName(CDorn* plugin, char* text) {
  return CopyName(plugin, &CZepkinDescription::programName, text, kVstMaxProgNameLen);
}

void OnSetProgramName(CDorn* plugin, const char* text) {
  if (TZepkin* script = RuntimeOf(plugin)) script->programName = text;
}

VstInt32 OnGetProgramNameIndexed(CDorn* /*plugin*/, VstInt32 /*category*/, VstInt32 /*index*/, char* /*text*/) {
  return 0;
}
