#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine: the native
# toolchain with GoogleTest, Google Benchmark and libsndfile, clang with libFuzzer and
# the sanitizer runtimes, MinGW-w64 for the Windows DLLs, Wine to run the Windows
# tests with a virtual display for the editor's windows and the fonts its text tests
# draw with, gnuplot for the demo's plot, and a third-party VST 2.4 plug-in for the
# render tool's tests. Safe to run again.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$QUORVANTILE_ROOT/scripts/ensure-packages.sh"

ensure_packages cmake ninja-build g++ googletest libbenchmark-dev libfftw3-dev libsndfile1-dev gnuplot-nox \
  binutils-mingw-w64-i686 g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix \
  clang libclang-rt-14-dev llvm-14 wine wine32:i386 wine64 xvfb xauth fonts-dejavu-core fonts-liberation \
  dragonfly-reverb-vst

"$QUORVANTILE_ROOT/scripts/enable-i386-execution.sh"
