#pragma once

#include "host/callback_entries.h"
#include "host/dorn.h"
#include "runtime/zepkin.h"
#include "tests/support/test_host.h"

// A plug-in object made in the test program around a script of the test's own, with
// the table the test gives, driven through its effect record like any other. The
// drawing layer serves its drawing, as the Windows modules install it.
class ScriptPlugin {
 public:
  // Takes the script.
  ScriptPlugin(TZepkin* script, const CallbackTable& table);

  CDorn* plugin() const { return plugin_; }
  TZepkin* script() const { return plugin_->runtime; }
  PluginInstance& instance() { return instance_; }

  TestHost host;

 private:
  AEffect* create(TZepkin* script, const CallbackTable& table);

  PluginInstance instance_;
  CDorn* plugin_;
};
