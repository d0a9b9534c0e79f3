#!/usr/bin/env bash
# Counts the instructions per frame of the fader's per-sample path under callgrind: the
# built plug-in through its effect record, the plain loop with the fader's checks and
# the bare recurrence, each processing the same 512-frame blocks in the native build's
# process_block_timer. Unlike times, the counts do not depend on what else the machine
# runs. The build folder is build/native, or another one given as the argument.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$QUORVANTILE_ROOT/scripts/ensure-packages.sh"
cd "$QUORVANTILE_ROOT"

ensure_packages valgrind

build="${1:-$QUORVANTILE_ROOT/build/native}"
if [ "$build" = "$QUORVANTILE_ROOT/build/native" ]; then
  cmake --preset native >/dev/null
fi
cmake --build "$build" --target process_block_timer

blocks=2000
frames=$((blocks * 512))
counts="$(mktemp)"
trap 'rm -f "$counts"' EXIT
log "instructions per frame, $blocks blocks of 512 frames"
for case in processReplacing 'PlainLoop<float>' 'BareRecurrence<float>' \
  processDoubleReplacing 'PlainLoop<double>' 'BareRecurrence<double>'; do
  valgrind --tool=callgrind --callgrind-out-file="$counts" --toggle-collect='*MeasuredBlocks*' \
    "$build/bin/process_block_timer" --blocks "$blocks" "$case" >/dev/null 2>&1
  awk -v name="$case" -v frames="$frames" '/^summary:/ { printf "  %-24s %7.2f\n", name, $2 / frames }' "$counts"
done
