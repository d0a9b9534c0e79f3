#!/usr/bin/env bash
# Builds the 64-bit Windows plug-in, vst-render and the tests with MinGW-w64 x86_64
# and runs the tests under Wine, in the project's prefix (the same one as the 32-bit
# tests: it is a 64-bit prefix). The build folder is build/win64, or another one with
# QUORVANTILE_WIN64_BUILD=DIR.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$QUORVANTILE_ROOT/scripts/ensure-packages.sh"
cd "$QUORVANTILE_ROOT"

ensure_packages cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64

build="${QUORVANTILE_WIN64_BUILD:-$QUORVANTILE_ROOT/build/win64}"
log "64-bit Windows build in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$QUORVANTILE_ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"

log "64-bit Windows tests under Wine"
# A Wine server that was running already belongs to someone else's run: it stays.
if "$QUORVANTILE_ROOT/scripts/wine-prefix.sh" start; then
  trap '"$QUORVANTILE_ROOT/scripts/wine-prefix.sh" stop' EXIT
fi
ctest --test-dir "$build" --output-on-failure --timeout 600 -j 2
