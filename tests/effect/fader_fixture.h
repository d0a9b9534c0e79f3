#pragma once

#include <gtest/gtest.h>

#include "effect/zepkin_effect.h"
#include "tests/support/test_host.h"

// A fader created through the plug-in entry, with a scriptable host, so that its
// sections see real sample rates, block sizes and time information; the test reads
// and writes the script's variables directly.
class FaderTest : public ::testing::Test {
 protected:
  FaderTest();

  // Open, 44100 Hz (or as given), block size 512, resume.
  void start(float sampleRate = 44100.0f, VstInt32 blockSize = 512) { instance.start(sampleRate, blockSize); }
  // Runs the sample section on one frame and answers channel 0.
  double sample(double left, double right = 0.0);
  std::vector<unsigned char> chunkOf(std::initializer_list<float> values) const;

  TestHost host;
  PluginInstance instance;
  TZepkinEffect& fader;
};
