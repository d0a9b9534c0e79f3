#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <vector>

#include "tests/support/host_window.h"
#include "tests/support/test_host.h"
#include "tests/support/window_picture.h"
#include "tools/vst_host/plugin_library.h"

// The analyser's editor in a window standing in for the host's, opened through the
// effect record of the built module, drawn for real and read back.

namespace {

using toolkit_test::Argb;

constexpr int kWidth = 640;
constexpr int kHeight = 320;
constexpr double kRate = 44100.0;
constexpr Argb kSpectrumColour = 0xFF40E080;
constexpr Argb kReadoutColour = 0xFFFFFFFF;
// Where the display puts a frequency and a level: a logarithmic axis from 20 Hz to
// 20 kHz across the width, 0 dB at the top row and the floor (-90 dB) at the bottom one.
double XOf(double frequency) { return kWidth * std::log(frequency / 20.0) / std::log(20000.0 / 20.0); }
double YOf(double level) { return level / -90.0 * (kHeight - 1); }

class AnalyserEditor : public ::testing::Test {
 protected:
  AnalyserEditor() : library(ExecutableDirectory() + QUORVANTILE_ANALYSER_FILE_NAME) {}
  void SetUp() override {
    ASSERT_TRUE(library.loaded()) << library.loadError();
    instance.emplace(host.create(library.entryPoint("VSTPluginMain")));
    instance->start(static_cast<float>(kRate), 512);
  }
  void TearDown() override {
    if (instance) instance->dispatch(effEditClose);
  }
  // Seconds of a sine (-6 dBFS at 1 kHz unless told) plus, if asked, pink-ish noise.
  void play(double seconds, double sine = 0.5011872336272722, double noise = 0.0) {
    const auto frames = static_cast<std::size_t>(seconds * kRate);
    std::vector<float> left(frames), right(frames);
    std::mt19937 generator(11);
    std::normal_distribution<double> white(0.0, 1.0);
    double low = 0.0, middle = 0.0;
    for (std::size_t j = 0; j < frames; ++j) {
      // Two leaky integrators over white noise: more power low down, as pink noise has.
      const double w = white(generator);
      low = 0.995 * low + 0.05 * w;
      middle = 0.9 * middle + 0.2 * w;
      const double value = sine * std::sin(2.0 * 3.14159265358979323846 * 1000.0 * j / kRate) +
                           noise * (low + middle + 0.1 * w);
      left[j] = right[j] = static_cast<float>(value);
    }
    instance->process(left, right, 512);
  }
  HWND frame() const { return FindWindowExW(window.handle(), nullptr, nullptr, nullptr); }
  // The display's pointer goes there too: otherwise the next move the system reports
  // from where it really is would take the script's pointer away again.
  void pointAt(int x, int y) {
    RECT placed{};
    GetWindowRect(frame(), &placed);
    SetCursorPos(placed.left + x, placed.top + y);
    SendMessageW(frame(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  }
  void open() { ASSERT_EQ(instance->dispatch(effEditOpen, 0, 0, window.handle()), 1); }
  // Idles the editor, as a host does, until a drawing pass shows what `shown` looks for.
  bool idleUntil(const std::function<bool(const WindowPicture&)>& shown) {
    return PumpMessagesUntil([&] {
      instance->dispatch(effEditIdle);
      UpdateWindow(frame());
      return shown(WindowPicture(frame(), kWidth, kHeight));
    });
  }
  static int Count(const WindowPicture& picture, Argb colour, int left, int top, int right, int bottom) {
    int found = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) found += picture.at(x, y) == colour;
    }
    return found;
  }
  static bool HasSpectrum(const WindowPicture& picture) {
    return Count(picture, kSpectrumColour, 0, 0, kWidth, kHeight) > 0;
  }

  PluginLibrary library;
  TestHost host;
  std::optional<PluginInstance> instance;
  HostWindow window{100, 100, kWidth + 60, kHeight + 60};
};

TEST_F(AnalyserEditor, ASinesPeakStandsAtTheKilohertzLineAndAtItsLevel) {
  play(1.0);
  open();
  ASSERT_TRUE(idleUntil(HasSpectrum));
  const WindowPicture picture(frame(), kWidth, kHeight);
  int peakX = -1, peakY = kHeight;
  for (int y = 0; y < kHeight && peakX < 0; ++y) {
    for (int x = 0; x < kWidth && peakX < 0; ++x) {
      if (picture.at(x, y) == kSpectrumColour) peakX = x, peakY = y;
    }
  }
  EXPECT_NEAR(peakX, XOf(1000.0), 2.0);
  EXPECT_NEAR(peakY, YOf(-6.0), 2.0);
}

TEST_F(AnalyserEditor, HoveringShowsTheFrequencyAndLevelBesideThePointer) {
  play(1.0);
  open();
  ASSERT_TRUE(idleUntil(HasSpectrum));
  const int x = static_cast<int>(std::lround(XOf(1000.0))), y = kHeight / 2;
  pointAt(x, y);
  // The readout stands right of the pointer and above it, its line's bottom 8 pixels up.
  ASSERT_TRUE(idleUntil([&](const WindowPicture& picture) {
    return Count(picture, kReadoutColour, x + 8, y - 30, x + 220, y - 7) > 20;
  }));
  const WindowPicture picture(frame(), kWidth, kHeight);
  const int everywhere = Count(picture, kReadoutColour, 0, 0, kWidth, kHeight);
  EXPECT_EQ(Count(picture, kReadoutColour, x + 8, y - 30, x + 220, y - 7), everywhere) << "all of it there";
}

TEST_F(AnalyserEditor, AClickTogglesFreezeAndTheHostFollows) {
  play(1.0);
  open();
  ASSERT_TRUE(idleUntil(HasSpectrum));
  host.clearCalls();
  pointAt(200, 200);
  SendMessageW(frame(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 200));
  SendMessageW(frame(), WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
  ASSERT_TRUE(PumpMessagesUntil([&] {
    instance->dispatch(effEditIdle);
    UpdateWindow(frame());
    return host.countOf(audioMasterAutomate) > 0;
  }));
  EXPECT_EQ(instance->text(effGetParamDisplay, 3), "on");
  EXPECT_EQ(instance->parameter(3), 1.0f);
}

TEST_F(AnalyserEditor, DrawsAShowcaseOfNoiseAndASine) {
  play(2.0, 0.25, 0.05);
  open();
  ASSERT_TRUE(idleUntil(HasSpectrum));
  pointAt(static_cast<int>(XOf(1000.0)), 120);
  idleUntil([&](const WindowPicture& picture) { return Count(picture, kReadoutColour, 0, 0, kWidth, kHeight) > 0; });
  const WindowPicture picture(frame(), kWidth, kHeight);
  EXPECT_TRUE(picture.save(L"analyser-showcase.png"));
  std::printf("the analyser's picture: analyser-showcase.png in the test's working folder\n");
  EXPECT_GT(Count(picture, kSpectrumColour, 0, 0, kWidth, kHeight), kWidth / 2) << "a line across the view";
}

}  // namespace
