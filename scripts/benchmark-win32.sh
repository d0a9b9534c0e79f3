#!/usr/bin/env bash
# Times the fader's per-sample path in the 32-bit Windows build under Wine: the
# plug-in DLL through its effect record against the plain loop and the bare recurrence,
# all compiled with the product's flags (i686, SSE2), in process_block_timer. Where
# 32-bit programs run only under an emulator the times would say nothing about the
# product, so the script says so and skips.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUORVANTILE_ROOT"

if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
  echo "32-bit programs run under qemu here: emulated times say nothing about the plug-in, the 32-bit benchmark is skipped"
  exit 0
fi

cmake --preset win32 >/dev/null
cmake --build --preset win32 --target process_block_timer

trap '"$QUORVANTILE_ROOT/scripts/wine-prefix.sh" stop' EXIT
"$QUORVANTILE_ROOT/scripts/wine-prefix.sh" start
log "32-bit Windows build under Wine"
"$QUORVANTILE_ROOT/scripts/wine-run.sh" "$QUORVANTILE_ROOT/build/win32/bin/process_block_timer.exe"
