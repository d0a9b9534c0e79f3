#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/audio/float_wav.h"

// lilv's own command-line host renders a file through the bundle; the output follows
// the glide as the fader defines it: the target is level^(6 / ln 10), and each frame the
// gain covers T / (τ + T) of the remaining way, with T one sample and τ a fifth of the
// fade time (at 44100 Hz and 3 s, 1 / 26461).
namespace {

constexpr double kRate = 44100.0;
constexpr std::size_t kFrames = 3 * 44100;
constexpr double kInput = 0.5;

TEST(Lv2Apply, RendersAFileThroughTheBundleAlongTheGlide) {
  const std::string input = "lv2apply-input.wav", output = "lv2apply-output.wav";
  {
    FloatWavWriter writer(input, {2, kRate, 0, FloatWavFormat()});
    const std::vector<double> frames(2 * kFrames, kInput);
    writer.write(frames.data(), kFrames);
    writer.finish();
  }
  const std::string command = "LV2_PATH='" QUORVANTILE_LV2_BUNDLE "/..' '" QUORVANTILE_LV2APPLY "' -i " + input +
                              " -o " + output + " -c target_level 0.25 -c fade_time 3 urn:veltronika:quorvantile";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  FloatWavReader reader(output);
  ASSERT_EQ(reader.info().frames, static_cast<std::int64_t>(kFrames));
  std::vector<double> rendered(2 * kFrames);
  ASSERT_EQ(reader.read(rendered.data(), kFrames), kFrames);
  const double target = std::exp(std::log10(0.25) * 6.0);
  const double coefficient = 1.0 / 26461.0;
  double gain = 1.0;
  double largestError = 0.0;
  for (std::size_t frame = 0; frame < kFrames; ++frame) {
    gain += (target - gain) * coefficient;
    largestError = std::max(largestError, std::fabs(rendered[2 * frame] - kInput * gain));
    largestError = std::max(largestError, std::fabs(rendered[2 * frame + 1] - kInput * gain));
  }
  EXPECT_LT(largestError, 1e-6) << "32-bit float samples";
  EXPECT_NEAR(rendered[2 * (kFrames - 1)] / kInput, target + (1.0 - target) * std::pow(1.0 - coefficient, kFrames),
              1e-6);
}

}  // namespace
