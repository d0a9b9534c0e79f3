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
set +e
wine "$@" </dev/null >"$output" 2>&1
