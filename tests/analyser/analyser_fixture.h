#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "analyser/spectrum_reading.h"
#include "analyser/zepkin_spectrum.h"
#include "tests/support/test_host.h"

// An analyser made in the test program as its module makes it, driven through its
// effect record by a scriptable host; the test reads the spectrum as the drawing
// section does.
class AnalyserTest : public ::testing::Test {
 protected:
  AnalyserTest();

  void start(float sampleRate) { instance.start(sampleRate, 512); }
  // Processes that many seconds of a mix of sines (amplitude, frequency pairs) in
  // both channels.
  void play(const std::vector<std::pair<double, double>>& sines, double seconds);
  // Takes the newest spectrum; answers whether there was a new one.
  bool take() { return analyser.HandoffTake() == 1; }
  // The level the analyser reads at the bin nearest to that frequency.
  double levelAt(double frequency) const;
  void setFreeze(bool on) { instance.setParameter(3, on ? 1.0f : 0.0f); }

  TestHost host;
  PluginInstance instance;
  TZepkinSpectrum& analyser;
  float rate = 44100.0f;
  std::int64_t playedFrames = 0;
};
