#include "effect/fader_glide.h"
#include "effect/zepkin_effect.h"

// The fader's sample section run over a whole block: the loop that a block loop
// knowing the fader's class calls instead of DoSample on each frame.

namespace {

struct LastFrame {
  double left = 0.0;
  double right = 0.0;
};

// The frames of the block with one kind of step; answers the gain after the last one.
template <class Step, class Sample>
double RunFrames(const Step& step, const StereoFrames<Sample>& frames, double gain, LastFrame& last) {
  double left = 0.0, right = 0.0;
  for (std::int32_t j = 0; j < frames.count; ++j) {
    gain = step.next(gain);
    const double factor = Step::factor(gain);
    left = frames.left[j] * factor;
    right = frames.right[j] * factor;
    frames.outLeft[j] = static_cast<Sample>(left);
    frames.outRight[j] = static_cast<Sample>(right);
  }
  last = {left, right};
  return gain;
}

}  // namespace

template <class Sample>
void TZepkinEffect::RunSampleSection(const StereoFrames<Sample>& frames) {
  if (frames.count <= 0) return;
  const double start = currentGain;
  const double target = targetGain;
  const double coefficient = smoothingCoefficient;
  // The checks of each frame are decided once for the block where their inputs allow it.
  LastFrame last;
  const double end = ChecksCannotFire(start, target, coefficient)
                         ? RunFrames(BareGlide{target, coefficient}, frames, start, last)
                         : RunFrames(CheckedGlide{target, coefficient}, frames, start, last);
  currentGain.CompareExchange(start, end);
  samples[0] = last.left;
  samples[1] = last.right;
  // What every frame would copy, copied once: the fetched host values change only in
  // the block section, before the frames, and in the init section, which sets the
  // working copies itself.
  CopyHostValues();
}

void TZepkinEffect::SampleStereoFrames(const StereoFrames<float>& frames) { RunSampleSection(frames); }

void TZepkinEffect::SampleStereoFrames(const StereoFrames<double>& frames) { RunSampleSection(frames); }
