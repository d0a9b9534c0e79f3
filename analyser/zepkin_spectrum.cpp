#include "analyser/zepkin_spectrum.h"

#include <cmath>

#include "analyser/spectrum_tables.h"
#include "runtime/adaptor_services.h"
#include "runtime/finite_or_zero.h"

namespace {

constexpr int kFloorSlider = 1;
constexpr int kAveragingSlider = 2;
constexpr int kSizeSlider = 3;
constexpr int kFreezeSlider = 4;

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
  SharedSpectrumTables();
  PrepareMemory();
  DoSlider();
}

// The analyser's cells, made before any audio thread can touch them: making a block
// allocates. Script memory is emptied by every open.
void TZepkinSpectrum::PrepareMemory() { MemoryAt(kRingCells); }

void TZepkinSpectrum::DoOpen() {
  ResetRuntime();
  PrepareMemory();
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
