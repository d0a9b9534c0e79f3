#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine: the native
# toolchain with GoogleTest, Google Benchmark and libsndfile, clang with libFuzzer and
# the sanitizer runtimes, MinGW-w64 for the Windows DLLs, Wine to run the Windows
# tests, gnuplot for the demo's plot, and a third-party VST 2.4 plug-in for the render
# tool's tests. Safe to run again.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

packages=(cmake ninja-build g++ googletest libbenchmark-dev libfftw3-dev libsndfile1-dev gnuplot-nox
  binutils-mingw-w64-i686 g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix
  clang libclang-rt-14-dev llvm-14 wine wine32:i386 wine64 dragonfly-reverb-vst)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if [ "${#missing[@]}" -gt 0 ]; then
  log "installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

"$QUORVANTILE_ROOT/scripts/enable-i386-execution.sh"
