#include "host/callback_entries.h"
#include "host/dorn.h"
#include "runtime/zepkin.h"

VstInt32 OnGetChunk(CDorn* plugin, void** data, bool isPreset) {
  TZepkin* script = RuntimeOf(plugin);
  return script ? script->WriteChunk(data, isPreset) : 0;
}

VstInt32 OnSetChunk(CDorn* plugin, void* data, VstInt32 byteSize, bool isPreset) {
  TZepkin* script = RuntimeOf(plugin);
  return script ? script->ReadChunk(data, byteSize, isPreset) : byteSize;
}
