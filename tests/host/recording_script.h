#pragma once

#include <string>
#include <vector>

#include "host/callback_entries.h"
#include "host/dorn.h"
#include "runtime/zepkin.h"
#include "tests/support/test_host.h"

// A script that records which of its sections ran, for tests of the plug-in object
// and its table entries. Its sample section moves channel 1 to 0 and twice channel 0
// to 1, and negates channel 2: in-place buffers show whether every input was read
// before any output was written.
class RecordingScript final : public TZepkin {
 public:
  explicit RecordingScript(int channels = 2, bool* destroyed = nullptr);
  ~RecordingScript() override;

  void DoSlider() override { log.push_back("slider"); }
  void DoBlock() override { log.push_back("block"); }
  void DoSample() override;
  void DoOpen() override { log.push_back("open"); }
  void DoClose() override { log.push_back("close"); }
  void DoSuspend() override { log.push_back("suspend"); }
  void DoInit() override { log.push_back("init"); }
  void DoGfxTimer() override { log.push_back("timer"); }

  std::vector<std::string> log;
  int framesSeen = 0;

 private:
  bool* destroyed_;
};

// A plug-in object around a RecordingScript, created through a test host with the
// entry point's own table unless a test gives another one.
struct RecordedPlugin {
  RecordedPlugin(TestHost& host, int channels = 2, const CallbackTable& table = MakeCallbackTable(),
                 bool* destroyed = nullptr);
  CDorn* plugin = nullptr;
  RecordingScript* script = nullptr;
  AEffect* effect = nullptr;
};
