#include "host/callback_entries.h"
#include "host/dorn.h"
#include "runtime/zepkin.h"

void OnSetup(CDorn* plugin) {
  const TZepkin* script = RuntimeOf(plugin);
  if (!script) return;
  plugin->setNumInputs(script->channelCount);
  plugin->setNumOutputs(script->channelCount);
  plugin->setUniqueID(script->uniqueId);
  plugin->programsAreChunks(true);
}

void OnDestroy(CDorn* plugin) {
  if (!plugin) return;
  delete plugin->runtime;
  plugin->runtime = nullptr;
}

void OnOpen(CDorn* plugin) {
  if (TZepkin* script = RuntimeOf(plugin)) script->DoOpen();
}

void OnSuspend(CDorn* plugin) {
  if (TZepkin* script = RuntimeOf(plugin)) script->DoSuspend();
}

void OnResume(CDorn* plugin) {
  if (TZepkin* script = RuntimeOf(plugin)) script->DoResume();
}

void OnIdle(CDorn* plugin) {
  if (TZepkin* script = RuntimeOf(plugin)) script->DoGfxTimer();
}

void OnClose(CDorn* plugin) {
  if (TZepkin* script = RuntimeOf(plugin)) script->DoClose();
}

CallbackTable MakeCallbackTable() {
  CallbackTable table{};
  table.OnSetup = OnSetup;
  table.OnDestroy = OnDestroy;
  table.OnOpen = OnOpen;
  table.OnSuspend = OnSuspend;
  table.OnResume = OnResume;
  table.OnIdle = OnIdle;
  table.OnClose = OnClose;
  table.OnGetVendorVersion = OnGetVendorVersion;
  table.OnGetVendorString = OnGetVendorString;
  table.OnGetProductString = OnGetProductString;
  table.OnGetEffectName = OnGetEffectName;
  table.OnGetProgramName = OnGetProgramName;
  table.OnSetProgramName = OnSetProgramName;
  table.OnGetProgramNameIndexed = OnGetProgramNameIndexed;
  table.OnGetParameter = OnGetParameter;
  table.OnSetParameter = OnSetParameter;
  table.OnGetParameterName = OnGetParameterName;
  table.OnGetParameterLabel = OnGetParameterLabel;
  table.OnGetParameterDisplay = OnGetParameterDisplay;
  table.OnProcessReplacing = OnProcessReplacing;
  table.OnProcessDoubleReplacing = OnProcessDoubleReplacing;
  table.OnGetChunk = OnGetChunk;
  table.OnSetChunk = OnSetChunk;
  return table;
}
