#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "analyser/spectrum_reading.h"
#include "analyser/zepkin_spectrum.h"
#include "runtime/adaptor_services.h"
#include "runtime/graphics_services.h"

// The drawing section, on the user-interface thread: it reads the newest whole spectrum
// the audio thread handed over and draws it.

namespace {

constexpr double kGridFrequencies[] = {100.0, 1000.0, 10000.0};
constexpr const char* kGridLabels[] = {"100 Hz", "1 kHz", "10 kHz"};
constexpr double kGridStepDb = 20.0;
constexpr double kFontSize = 11.0;
constexpr double kReadoutGap = 8.0;
constexpr std::int32_t kFilled = 1;
constexpr std::int32_t kFreezeParameter = 3;

struct Colour {
  std::int32_t red, green, blue;
};
constexpr Colour kBackground{16, 20, 24};
constexpr Colour kGrid{64, 72, 80};
constexpr Colour kLabel{144, 152, 160};
constexpr Colour kSpectrum{64, 224, 128};
constexpr Colour kReadout{255, 255, 255};

void UseColour(CDorn* adaptor, const Colour& colour) {
  GfxSetFrameColor(adaptor, colour.red, colour.green, colour.blue, 255);
  GfxSetFillColor(adaptor, colour.red, colour.green, colour.blue, 255);
  GfxSetFontColor(adaptor, colour.red, colour.green, colour.blue, 255);
}

}  // namespace

void TZepkinSpectrum::DoGfxTimer() {
  const bool pointerChanged = mouseX != seenMouseX || mouseY != seenMouseY || mouseButtonBits != seenMouseButtons ||
                              mouseLeftPresses != seenLeftPresses;
  if (pointerChanged || HandoffReady()) TZepkin::DoGfxTimer();
}

// Every left click since the last pass toggles once.
void TZepkinSpectrum::ToggleFreezeOnClick() {
  const double clicks = mouseLeftPresses - seenLeftPresses;
  if (std::fmod(clicks, 2.0) == 1.0) DornAutomateSlider(adaptor, kFreezeParameter, frozen == 0.0 ? 1.0 : 0.0);
}

void TZepkinSpectrum::DoGfx() {
  HandoffTake();
  std::int32_t width = 0, height = 0;
  const bool sized = GfxGetSize(adaptor, &width, &height) == 1 && width > 0 && height > 1;
  if (sized) {
    canvasWidth = width;
    canvasHeight = height;
    ToggleFreezeOnClick();
    const SpectrumReading spectrum{*this};
    const double top = TopFrequency(spectrum.rate() > 0.0 ? spectrum.rate() : static_cast<double>(sampleRate));
    UseColour(adaptor, kBackground);
    GfxRect(adaptor, 0.0, 0.0, canvasWidth, canvasHeight, kFilled);
    // The platform's sans-serif where it has Arial, else the one most Linux systems have.
    if (SelectFontSlot(0, "Arial", kFontSize) && GfxGetStringWidth(adaptor, "0") <= 0.0) {
      SelectFontSlot(0, "DejaVu Sans", kFontSize);
    }
    DrawGrid(canvasWidth, canvasHeight, top);
    DrawSpectrum(canvasWidth, canvasHeight, top);
    DrawReadout(canvasWidth, canvasHeight, top);
  }
  seenMouseX = mouseX;
  seenMouseY = mouseY;
  seenMouseButtons = mouseButtonBits;
  seenLeftPresses = mouseLeftPresses;
}

void TZepkinSpectrum::DrawGrid(double width, double height, double topFrequency) {
  const SpectrumScale scale{width, height, topFrequency, floorDb};
  for (std::size_t g = 0; g < std::size(kGridFrequencies); ++g) {
    if (kGridFrequencies[g] >= topFrequency) continue;
    const double x = std::round(scale.x(kGridFrequencies[g]));
    UseColour(adaptor, kGrid);
    GfxMoveTo(adaptor, x, 0.0);
    GfxLineTo(adaptor, x, height);
    UseColour(adaptor, kLabel);
    GfxDrawStringAt(adaptor, kGridLabels[g], x + 3.0, height - 3.0, 1);
  }
  for (double level = 0.0; level >= scale.floor; level -= kGridStepDb) {
    const double y = std::round(scale.y(level));
    UseColour(adaptor, kGrid);
    GfxMoveTo(adaptor, 0.0, y);
    GfxLineTo(adaptor, width, y);
    char label[16];
    std::snprintf(label, sizeof label, "%.0f dB", level);
    UseColour(adaptor, kLabel);
    GfxDrawStringAt(adaptor, label, 3.0, y + textHeight, 1);
  }
}

void TZepkinSpectrum::DrawSpectrum(double width, double height, double topFrequency) {
  const SpectrumScale scale{width, height, topFrequency, floorDb};
  const SpectrumReading spectrum{*this};
  if (spectrum.bins() <= 0) return;
  UseColour(adaptor, kSpectrum);
  for (double column = 0.0; column < width; column += 1.0) {
    const double y = std::round(scale.y(spectrum.columnLevel(scale, column)));
    if (column == 0.0) {
      GfxMoveTo(adaptor, column, y);
    } else {
      GfxLineTo(adaptor, column, y);
    }
  }
}

// Right of the pointer and above it, unless that would leave the view.
void TZepkinSpectrum::DrawReadout(double width, double height, double topFrequency) {
  if (!(mouseX >= 0.0 && mouseX < width && mouseY >= 0.0 && mouseY < height)) return;
  const SpectrumScale scale{width, height, topFrequency, floorDb};
  const SpectrumReading spectrum{*this};
  char text[48];
  std::snprintf(text, sizeof text, "%.0f Hz  %.1f dB", scale.frequency(mouseX),
                spectrum.columnLevel(scale, std::floor(mouseX)));
  const double textWidth = std::max(GfxGetStringWidth(adaptor, text), 0.0);
  double x = mouseX + kReadoutGap, bottom = mouseY - kReadoutGap;
  if (x + textWidth > width) x = mouseX - kReadoutGap - textWidth;
  if (bottom - textHeight < 0.0) bottom = mouseY + kReadoutGap + textHeight;
  UseColour(adaptor, kReadout);
  GfxDrawStringAt(adaptor, text, x, bottom, 1);
}
