#pragma once

#include "runtime/shared_value.h"
#include "runtime/stereo_frames.h"
#include "runtime/zepkin.h"

// The fader script: both channels are multiplied by a gain that glides, as a
// one-pole smoother, towards the target set by the "target level" slider. The glide's
// time constant is a fifth of the "fade time" slider.
class TZepkinEffect final : public TZepkin {
 public:
  TZepkinEffect();

  void DoOpen() override;
  void DoInit() override;
  void DoSlider() override;
  void DoBlock() override;
  void DoSample() override;
  void DoSerialize() override;
  // The drawing section: paints the background colour, if there is one, resets the
  // drawing state and selects the text font. It draws no controls.
  void DoGfx() override;

  // The sample section over a whole stereo block, for a block loop that knows this
  // class: every output and, at the block's end, every variable as DoSample frame by
  // frame would leave them. The gain is carried in a local through the block and
  // published at its end, unless another thread set it meanwhile (a restore's init
  // section): then that value stands. The target and the coefficient are read once, at
  // the block's start, so a change during a block takes effect with the next one.
  void SampleStereoFrames(const StereoFrames<float>& frames);
  void SampleStereoFrames(const StereoFrames<double>& frames);

  // The block and sample sections run on the audio thread while the slider and init
  // sections run on the thread that changes a parameter or restores a chunk: what both
  // sides use is a SharedValue, the rest is a plain double.

  // Values fetched from the host, and the working copies that the sections use;
  // every section starts from the fetched values.
  SharedValue hostSampleRate = 0.0;
  SharedValue sampleRate = 0.0;
  SharedValue hostInputCount = 0.0;
  SharedValue inputCount = 0.0;
  SharedValue hostBlockLength = 0.0;
  SharedValue blockLength = 0.0;
  SharedValue hostTempo = 0.0;
  SharedValue tempo = 0.0;
  SharedValue hostTimeSigNumerator = 0.0;
  SharedValue timeSigNumerator = 0.0;
  SharedValue hostTimeSigDenominator = 0.0;
  SharedValue timeSigDenominator = 0.0;
  SharedValue playState = 0.0;     // 1 while playing, plus 4 while recording
  SharedValue beatPosition = 0.0;  // transport position in quarter notes

  double levelCurve = 0.0;                 // exponent factor of the level law
  double samplePeriod = 0.0;               // seconds per sample
  SharedValue currentGain = 0.0;           // the gain applied to the samples
  double smoothingScale = 0.0;             // time constant / fade time
  double fadeTimeMs = 0.0;
  SharedValue targetGain = 0.0;            // where currentGain glides to
  double smoothingTime = 0.0;              // time constant of the glide, seconds
  SharedValue smoothingCoefficient = 0.0;  // share of the remaining distance covered per sample

  double serializeCounter = 0.0;

  // Drawing colour, channels 0 to 1.
  double colorRed = 0.0;
  double colorGreen = 0.0;
  double colorBlue = 0.0;
  double colorAlpha = 0.0;
  double blendMode = 0.0;
  // Packed background colour (red in the low byte); 0 paints no background. No section
  // of the fader sets it.
  double clearColor = 0.0;
  // The drawing area and the mouse as the drawing section last saw them.
  double canvasWidth = 0.0;
  double canvasHeight = 0.0;
  double seenMouseButtons = 0.0;
  double seenMouseX = 0.0;
  double seenMouseY = 0.0;

 private:
  // The string that names the text font's family.
  static constexpr std::int32_t kFontNameString = 10000;

  void CopyHostValues();
  void ResetVariables();
  template <class Sample>
  void RunSampleSection(const StereoFrames<Sample>& frames);
};
