#!/usr/bin/env bash
# Renders the fader demo with vst-render: a generated 10-second stereo tone through
# the Linux build of the plug-in, target level 0.25 set at 2 s with a fade time of
# 3 s, into demo/fader-demo.wav, and a plot of input and output level over time into
# demo/fader-demo.png. Builds what it needs with the native preset, in its build
# folder (another one with QUORVANTILE_DEMO_BUILD=DIR).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUORVANTILE_ROOT"

"$QUORVANTILE_ROOT/scripts/install-dependencies.sh" build

build="${QUORVANTILE_DEMO_BUILD:-$QUORVANTILE_ROOT/build/native}"
log "building vst-render and the Linux plug-in in $build"
cmake --preset native -B "$build" >/dev/null
cmake --build "$build" --target vst-render fader-demo-signal fader-demo-levels

demo="$QUORVANTILE_ROOT/demo"
mkdir -p "$demo"
log "rendering the demo"
"$build/bin/fader-demo-signal" "$demo/fader-demo-input.wav"
# Fade time 1 s + 0.2 of the 10 s range = 3 s.
"$build/bin/vst-render" --param "fade time=0.2" --automate "target level=2:0.25" \
  "$demo/fader-demo-input.wav" "$demo/fader-demo.wav"
"$build/bin/fader-demo-levels" "$demo/fader-demo-input.wav" "$demo/fader-demo.wav" >"$demo/fader-demo-levels.txt"
gnuplot -e "levels='$demo/fader-demo-levels.txt'; picture='$demo/fader-demo.png'" \
  "$QUORVANTILE_ROOT/tools/demo/fader-demo.gnuplot"

echo "demo audio: $demo/fader-demo.wav"
echo "demo plot:  $demo/fader-demo.png"
