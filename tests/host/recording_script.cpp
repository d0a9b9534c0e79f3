#include "tests/host/recording_script.h"

#include "host/callback_entries.h"

RecordingScript::RecordingScript(int channels, bool* destroyed) : destroyed_(destroyed) {
  effectName = "Recorder";
  vendorName = "Tests";
  productName = "Recording script";
  programName = "Default";
  vendorVersion = 7;
  uniqueId = CCONST('R', 'e', 'c', 'd');
  channelCount = channels;
  AddSlider({1, 0.5, 0.0, 1.0, 0.01, "", "dB", "level"});
}

RecordingScript::~RecordingScript() {
  if (destroyed_) *destroyed_ = true;
}

void RecordingScript::DoSample() {
  ++framesSeen;
  const double first = samples[0];
  samples[0] = samples[1];
  samples[1] = 2.0 * first;
  samples[2] = -samples[2];
}

RecordedPlugin::RecordedPlugin(TestHost& host, int channels, const CallbackTable& table, bool* destroyed) {
  auto* made = new RecordingScript(channels, destroyed);
  effect = host.create([&](audioMasterCallback callback) -> AEffect* {
    CDorn* created = CDorn::Create(made, table, callback, 1, 1);
    return created ? created->getAeffect() : nullptr;
  });
  if (!effect) {
    delete made;
    return;
  }
  plugin = static_cast<CDorn*>(effect->object);
  script = made;
  made->adaptor = plugin;
}
