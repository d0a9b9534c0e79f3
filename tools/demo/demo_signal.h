#pragma once

#include <string>
#include <vector>

// The demo's input: ten seconds of a steady stereo tone (200 Hz on the left, a fifth
// above on the right, each at half of full scale), so that any change of level in the
// rendered file is the plug-in's doing.
constexpr double kDemoSampleRate = 44100.0;
constexpr double kDemoSeconds = 10.0;
constexpr double kDemoAmplitude = 0.5;

// Interleaved left, right.
std::vector<double> DemoSignal();
// As 32-bit float WAV; throws std::runtime_error when the file cannot be written.
void WriteDemoSignal(const std::string& path);
