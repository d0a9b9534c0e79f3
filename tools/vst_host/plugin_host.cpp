#include "tools/vst_host/plugin_host.h"

#include <iterator>
#include <map>
#include <mutex>

namespace {

std::mutex registryMutex;
std::map<AEffect*, PluginHost*> hostsByEffect;
PluginHost* creatingHost = nullptr;

PluginHost* HostFor(AEffect* effect) {
  const std::lock_guard<std::mutex> lock(registryMutex);
  const auto found = hostsByEffect.find(effect);
  return found != hostsByEffect.end() ? found->second : creatingHost;
}

}  // namespace

PluginHost::~PluginHost() {
  const std::lock_guard<std::mutex> lock(registryMutex);
  for (auto entry = hostsByEffect.begin(); entry != hostsByEffect.end();) {
    entry = entry->second == this ? hostsByEffect.erase(entry) : std::next(entry);
  }
}

AEffect* PluginHost::create(const std::function<AEffect*(audioMasterCallback)>& entry) {
  {
    const std::lock_guard<std::mutex> lock(registryMutex);
    creatingHost = this;
  }
  AEffect* effect = entry(&PluginHost::Callback);
  const std::lock_guard<std::mutex> lock(registryMutex);
  creatingHost = nullptr;
  if (effect) hostsByEffect[effect] = this;
  return effect;
}

VstIntPtr VSTCALLBACK PluginHost::Callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                           void* ptr, float opt) {
  PluginHost* host = HostFor(effect);
  return host ? host->answer(HostCall{effect, opcode, index, value, ptr, opt}) : 0;
}
