#include "effect/zepkin_effect.h"

#include <cmath>

#include "effect/fader_glide.h"
#include "runtime/adaptor_services.h"
#include "runtime/finite_or_zero.h"
#include "runtime/script_conversions.h"

namespace {

constexpr int kLevelSlider = 1;
constexpr int kFadeTimeSlider = 2;
constexpr int kLastSavedSlider = 64;
constexpr int kMaxSerializePasses = 1000000;

}  // namespace

TZepkinEffect::TZepkinEffect() {
  effectName = "Veltronika_Quorvantile";
  productName = "Veltronika_Quorvantile";
  programName = "Veltronika_Quorvantile";
  vendorName = "Veltronika";
  vendorVersion = 1000;
  uniqueId = 0;
  channelCount = 2;
  AddSlider({kLevelSlider, 1.0, 0.0, 1.0, 0.01, "", "", "target level"});
  AddSlider({kFadeTimeSlider, 7.5, 1.0, 11.0, 0.1, "", "s", "fade time"});
}

void TZepkinEffect::ResetVariables() {
  hostSampleRate = sampleRate = 0.0;
  hostInputCount = inputCount = 0.0;
  hostBlockLength = blockLength = 0.0;
  hostTempo = tempo = 0.0;
  hostTimeSigNumerator = timeSigNumerator = 0.0;
  hostTimeSigDenominator = timeSigDenominator = 0.0;
  playState = beatPosition = 0.0;
  levelCurve = samplePeriod = currentGain = smoothingScale = 0.0;
  fadeTimeMs = targetGain = smoothingTime = smoothingCoefficient = 0.0;
  serializeCounter = 0.0;
  colorRed = colorGreen = colorBlue = colorAlpha = 0.0;
  blendMode = clearColor = 0.0;
  canvasWidth = canvasHeight = 0.0;
  seenMouseButtons = seenMouseX = seenMouseY = 0.0;
}

void TZepkinEffect::CopyHostValues() {
  sampleRate = FiniteOrZero(hostSampleRate);
  inputCount = FiniteOrZero(hostInputCount);
  blockLength = FiniteOrZero(hostBlockLength);
  tempo = FiniteOrZero(hostTempo);
  timeSigNumerator = FiniteOrZero(hostTimeSigNumerator);
  timeSigDenominator = FiniteOrZero(hostTimeSigDenominator);
}

void TZepkinEffect::DoOpen() {
  ResetRuntime();
  ResetVariables();
  StringAt(kFontNameString) = "Courier New";
}

void TZepkinEffect::DoInit() {
  refreshRate = 30.0;
  colorRed = colorGreen = colorBlue = colorAlpha = 0.0;
  hostSampleRate = FiniteOrZero(DornGetSampleRate(adaptor));
  sampleRate = hostSampleRate;
  hostInputCount = DornGetNumInputs(adaptor);
  inputCount = hostInputCount;
  hostBlockLength = DornGetBlockSize(adaptor);
  blockLength = hostBlockLength;
  hostTempo = FiniteOrZero(DornGetTempo(adaptor));
  tempo = hostTempo;
  timeSigNumerator = FiniteOrZero(hostTimeSigNumerator);
  timeSigDenominator = FiniteOrZero(hostTimeSigDenominator);
  levelCurve = 6.0;
  samplePeriod = FiniteOrZero(1.0 / sampleRate);
  currentGain = 1.0;
  smoothingScale = 0.2;
}

void TZepkinEffect::DoSlider() {
  CopyHostValues();
  fadeTimeMs = FiniteOrZero(sliderValues[kFadeTimeSlider] * 1000.0);
  // The level law: gain = level ^ (6 / ln 10), about 52 dB per decade of the slider.
  const double level = sliderValues[kLevelSlider];
  const double law = level > 0.0 || std::isnan(level) ? std::exp(std::log10(level) * levelCurve) : 0.0;
  // The fader never amplifies: a level above the slider's range, which only a damaged or
  // foreign chunk can bring, holds the target at full gain. A law that gives no number
  // (a NaN or infinite level, or one whose power overflows) gives silence, as always.
  const double target = FiniteOrZero(law);
  targetGain = target > 1.0 ? 1.0 : target;
  // The glide never runs faster than one host block.
  smoothingTime = FiniteOrZero(std::fmax(fadeTimeMs * 0.001, blockLength / sampleRate) * smoothingScale);
  smoothingCoefficient = FiniteOrZero(samplePeriod / (smoothingTime + samplePeriod));
}

void TZepkinEffect::DoBlock() {
  double fetchedTempo = hostTempo;
  double fetchedNumerator = hostTimeSigNumerator;
  double fetchedDenominator = hostTimeSigDenominator;
  DornGetTimeSignature(adaptor, &fetchedTempo, &fetchedNumerator, &fetchedDenominator);
  hostTempo = FiniteOrZero(fetchedTempo);
  hostTimeSigNumerator = FiniteOrZero(fetchedNumerator);
  hostTimeSigDenominator = FiniteOrZero(fetchedDenominator);
  const double playing = DornIsPlaying(adaptor);
  const double recording = DornIsRecording(adaptor) == 1 ? 4.0 : 0.0;
  playState = FiniteOrZero(playing + recording);
  beatPosition = FiniteOrZero(DornGetPpqPosition(adaptor));
  CopyHostValues();
}

void TZepkinEffect::DoSample() {
  CopyHostValues();
  // Each shared variable is read once: a restore on another thread may set the gain or
  // the target between two reads, and a step towards one target taken from another
  // starting point could overshoot both.
  const CheckedGlide glide{targetGain, smoothingCoefficient};
  const double gain = glide.next(currentGain);
  currentGain = gain;
  samples[0] = samples[0] * CheckedGlide::factor(gain);
  samples[1] = samples[1] * CheckedGlide::factor(gain);
}

void TZepkinEffect::DoSerialize() {
  serializeCounter = 1.0;
  for (int pass = 1; pass <= kMaxSerializePasses; ++pass) {
    const std::int32_t slider = ToIntNudged(serializeCounter) & (kSliderValueCount - 1);
    TransferValue(kChunkStream, sliderValues[static_cast<std::size_t>(slider)]);
    serializeCounter += 1.0;
    if (serializeCounter > kLastSavedSlider) break;
  }
}
