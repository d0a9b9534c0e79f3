#include "analyser/zepkin_spectrum.h"

#include <cmath>

#include "runtime/adaptor_services.h"
#include "runtime/finite_or_zero.h"

namespace {

constexpr int kFloorSlider = 1;
constexpr int kAveragingSlider = 2;
constexpr int kSizeSlider = 3;
constexpr int kFreezeSlider = 4;
constexpr double kPi = 3.14159265358979323846;

// The cells of each size's window and twiddles: sizes 1024, 2048, 4096 and 8192 in turn.
std::int32_t TableOffset(std::int32_t size) { return size - TZepkinSpectrum::kSizes[0]; }

// The slider's value when it is a number within the slider's range (a whole one for a
// slider of named values), else the value kept.
double Accepted(const SliderDefinition& slider, double candidate, double kept) {
  const bool inRange = candidate >= slider.minimum && candidate <= slider.maximum;
  const bool named = !slider.enumNames.empty();
  return inRange && (!named || candidate == std::floor(candidate)) ? candidate : kept;
}

}  // namespace

TZepkinSpectrum::TZepkinSpectrum() {
  effectName = "Veltronika_Spectrum";
  productName = "Veltronika_Spectrum";
  programName = "Veltronika_Spectrum";
  vendorName = "Veltronika";
  vendorVersion = 1000;
  uniqueId = ('V' << 24) | ('l' << 16) | ('S' << 8) | 'p';
  channelCount = 2;
  AddSlider({kFloorSlider, -90.0, -120.0, -30.0, 1.0, "", "dB", "floor"});
  AddSlider({kAveragingSlider, 0.8, 0.0, 0.99, 0.01, "", "", "averaging"});
  AddSlider({kSizeSlider, 2.0, 0.0, 3.0, 1.0, "", "", "fft size"}, {"1024", "2048", "4096", "8192"});
  AddSlider({kFreezeSlider, 0.0, 0.0, 1.0, 1.0, "", "", "freeze"}, {"off", "on"});
  // The pointer is nowhere until the view reports it.
  mouseX = mouseY = -1.0;
  // Room for the largest spectrum, before any audio thread can publish one.
  HandoffReserve(kSpectrumHeader + kLargestSize / 2 + 1);
  PrepareTables();
  DoSlider();
}

// Windows and twiddles for every size, so that a change of size on the audio thread
// only restarts the analysis. Script memory is emptied by every open.
void TZepkinSpectrum::PrepareTables() {
  MemoryAt(kRingCells);
  MemoryAt(kTransformCells);
  MemoryAt(kSpectrumCells);
  for (const std::int32_t n : kSizes) {
    double* const window = MemoryAt(kWindowCells + TableOffset(n));
    for (std::int32_t i = 0; i < n; ++i) window[i] = 0.5 - 0.5 * std::cos(2.0 * kPi * i / n);
    // e^(−2πik/n) for k = 0 … n/2, which the split of a real transform from a half-size
    // complex one needs.
    double* const twiddles = MemoryAt(kTwiddleCells + 2 * TableOffset(n));
    for (std::int32_t k = 0; k <= n / 2; ++k) {
      twiddles[2 * k] = std::cos(2.0 * kPi * k / n);
      twiddles[2 * k + 1] = -std::sin(2.0 * kPi * k / n);
    }
  }
}

void TZepkinSpectrum::DoOpen() {
  ResetRuntime();
  PrepareTables();
  size = 0;
}

void TZepkinSpectrum::DoInit() {
  refreshRate = 30.0;
  const double rate = FiniteOrZero(DornGetSampleRate(adaptor));
  sampleRate = rate > 0.0 ? rate : 44100.0;
}

void TZepkinSpectrum::DoSlider() {
  floorDb = sliderValues[kFloorSlider];
  averaging = sliderValues[kAveragingSlider];
  const auto choice = static_cast<std::int32_t>(std::lround(sliderValues[kSizeSlider]));
  requestedSize = kSizes[choice < 0 ? 0 : choice > 3 ? 3 : choice];
  frozen = sliderValues[kFreezeSlider] >= 0.5 ? 1.0 : 0.0;
}

// A value that is no number, or outside its slider's range, keeps the slider as it
// was: a damaged chunk changes nothing of it. After a restore the host is told, so that
// its controls follow.
void TZepkinSpectrum::DoSerialize() {
  for (const SliderDefinition& slider : sliders) {
    double& value = sliderValues[static_cast<std::size_t>(slider.sliderNumber)];
    double transferred = value;
    TransferValue(kChunkStream, transferred);
    value = Accepted(slider, transferred, value);
  }
  if (fileHandles[kChunkStream].mode == kFileReading) DornUpdateDisplay(adaptor);
}
