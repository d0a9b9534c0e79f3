#pragma once

#include <cstdint>

#include "runtime/shared_value.h"
#include "runtime/stereo_frames.h"
#include "runtime/zepkin.h"

// The spectrum analyser script: the audio passes unchanged while the mid signal
// (L + R) / 2 is analysed every quarter of the transform size, Hann windowed, with the
// runtime's transform; each bin's power is averaged exponentially, and the averages are
// handed to the drawing section, which draws them on a logarithmic frequency axis.
class TZepkinSpectrum final : public TZepkin {
 public:
  // The transform sizes the "fft size" slider chooses from.
  static constexpr std::int32_t kSizes[] = {1024, 2048, 4096, 8192};
  static constexpr std::int32_t kLargestSize = 8192;

  TZepkinSpectrum();

  void DoOpen() override;
  void DoInit() override;
  void DoSlider() override;
  void DoBlock() override;
  void DoSample() override;
  void DoSerialize() override;
  // Draws the grid, the spectrum and, while the pointer is over the view, the frequency
  // and level under it; a left click toggles "freeze" through the host.
  void DoGfx() override;
  // Redraws at the refresh rate only when a new spectrum waits or the pointer moved.
  void DoGfxTimer() override;

  // The sample section over a whole stereo block, for a block loop that knows this
  // class: the outputs are the inputs, and the mid signal goes to the analysis.
  void SampleStereoFrames(const StereoFrames<float>& frames);
  void SampleStereoFrames(const StereoFrames<double>& frames);

  // Script memory, all in its first block: the mid signal's ring (each value twice), the
  // transform's cells, the spectrum as it is handed over (the sample rate, the size, then
  // the averaged power of bins 0 to size / 2, relative to a full-scale sine's), and the
  // powers of the latest analysis.
  static constexpr std::int32_t kRingCells = 0;
  static constexpr std::int32_t kTransformCells = 2 * kLargestSize;
  static constexpr std::int32_t kSpectrumCells = 3 * kLargestSize;
  static constexpr std::int32_t kFreshPowerCells = 4 * kLargestSize;
  static constexpr std::int32_t kSpectrumHeader = 2;

  // Set by the slider section (on the thread that changes a parameter), read by the
  // block and sample sections on the audio thread and by the drawing section.
  SharedValue floorDb = -90.0;
  SharedValue averaging = 0.8;
  SharedValue requestedSize = 4096.0;
  SharedValue frozen = 0.0;
  SharedValue sampleRate = 44100.0;

  // The audio thread's own.
  std::int32_t size = 0;  // of the analysis under way; 0 until the first block
  std::int32_t ringPosition = 0;
  std::int32_t sinceAnalysis = 0;
  std::int32_t filled = 0;  // values of this size in the ring, up to the size
  bool firstSpectrum = true;

  // The drawing section's own.
  double seenMouseX = -1.0;
  double seenMouseY = -1.0;
  double seenMouseButtons = 0.0;
  double seenLeftPresses = 0.0;
  double canvasWidth = 0.0;
  double canvasHeight = 0.0;

 private:
  template <class Sample>
  void RunSampleSection(const StereoFrames<Sample>& frames);
  void TakeMid(double* ring, double mid);
  void AnalyseAtHop();
  void PrepareMemory();
  void Restart(std::int32_t newSize);
  void Analyse();
  void ToggleFreezeOnClick();
  void DrawGrid(double width, double height, double topFrequency);
  void DrawSpectrum(double width, double height, double topFrequency);
  void DrawReadout(double width, double height, double topFrequency);
};
