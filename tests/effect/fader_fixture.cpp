#include "tests/effect/fader_fixture.h"

#include <cstring>

#include "host/dorn.h"
#include "plugin/plugin_entry.h"

namespace {

TZepkinEffect& ScriptOf(AEffect* effect) {
  return *static_cast<TZepkinEffect*>(static_cast<CDorn*>(effect->object)->runtime);
}

}  // namespace

FaderTest::FaderTest() : instance(host.create(VSTPluginMain)), fader(ScriptOf(instance.effect())) {}

double FaderTest::sample(double left, double right) {
  fader.samples[0] = left;
  fader.samples[1] = right;
  fader.DoSample();
  return fader.samples[0];
}

std::vector<unsigned char> FaderTest::chunkOf(std::initializer_list<float> values) const {
  std::vector<unsigned char> bytes(values.size() * sizeof(float));
  std::memcpy(bytes.data(), values.begin(), bytes.size());
  return bytes;
}
