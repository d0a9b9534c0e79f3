#!/usr/bin/env bash
# Runs a Windows program under Wine, in the project's own prefix. CMake uses it as
# the emulator of the cross builds, so ctest runs the Windows test programs like
# any others.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
export WINEPREFIX="$QUORVANTILE_WINEPREFIX"

# The Wine server keeps a copy of a program's standard handles for as long as it
# runs, so output goes through a file: a pipe to ctest would never see its end.
output="$(mktemp)"
trap 'cat "$output"; rm -f "$output"' EXIT
trap 'exit 143' TERM INT
# Debian's `wine` starts every program in its 32-bit loader, which hands 64-bit ones
# on to wine64. Where 32-bit programs run under qemu that detour alone costs about a
# minute, so 64-bit programs (machine type 0x8664 in their PE header) go to wine64
# directly.
loader=wine
pe_header="$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')" || pe_header=""
if [ -n "$pe_header" ] && [ -x /usr/lib/wine/wine64 ] &&
  [ "$(od -An -tx2 -j$((pe_header + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')" = 8664 ]; then
  loader=/usr/lib/wine/wine64
fi

# Our programs end with 0, 1 on a failure, or 2 after a usage message, having said why.
# Any other status, or one with no output at all, comes from elsewhere: the low byte
# of a Windows exception code, or 128 + the signal that stopped Wine (Wine is quiet,
# and buffered output dies with the program). It is named, so that a failure says
# what ended the program.
set +e
"$loader" "$@" </dev/null >"$output" 2>&1
status=$?
if [ "$status" -gt 2 ] || { [ "$status" -ne 0 ] && [ ! -s "$output" ]; }; then
  echo "wine-run.sh: $(basename "$1") ended with status $status" >>"$output"
fi
exit "$status"
