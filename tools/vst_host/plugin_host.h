#pragma once

#include <functional>

#include "host/vst2_interface.h"

// One call that a plug-in instance made to its host.
struct HostCall {
  AEffect* effect;
  VstInt32 opcode;
  VstInt32 index;
  VstIntPtr value;
  void* ptr;
  float opt;
};

// The host end of the callback that plug-in instances call, for every program that
// hosts plug-ins; a host answers the calls of all the instances it creates. The callback
// carries no user data, so a call is routed by its effect record to the host that
// created that instance; calls an instance makes while it is being created, before its
// record is known (the version query comes with no record at all), go to the host
// creating it.
class PluginHost {
 public:
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  // Creates an instance through the given entry point (or any function that takes the
  // host callback and answers a record), its calls routed to this host. Null when the
  // entry point gives none.
  AEffect* create(const std::function<AEffect*(audioMasterCallback)>& entry);

  static VstIntPtr VSTCALLBACK Callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                        float opt);

 protected:
  PluginHost() = default;
  // Close its instances first: once the host is gone, their calls are answered with 0.
  virtual ~PluginHost();

  virtual VstIntPtr answer(const HostCall& call) = 0;
};
