#!/usr/bin/env bash
# install-dependencies.sh build|test: installs what a Debian 12 machine needs for the
# main job (build) or for every test (test). Safe to run again.
#
#   build  CMake, Ninja and g++, MinGW-w64 for the 32-bit and 64-bit Windows DLLs, the
#          LV2 headers for the Linux bundle with pkg-config, through which CMake finds
#          them, and libsndfile and gnuplot for the demo: no foreign architecture, no
#          Wine, no emulator.
#   test   the build set, and GoogleTest, Google Benchmark with FFTW, clang with
#          libFuzzer and the sanitizer runtimes, Wine
#          (its 32-bit half from the i386 architecture) with a virtual display and the
#          fonts the text tests draw with, a third-party VST 2.4 plug-in for the render
#          tool's tests, and lilv with its tools and the Turtle validator for the LV2
#          bundle's; where the kernel cannot run 32-bit x86 programs, qemu registered
#          for them.
#
# Sourced, it only defines install_dependencies and suite_not_run, which test.sh calls
# to learn what could not be installed and which suite that keeps from running.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$QUORVANTILE_ROOT/scripts/ensure-packages.sh"

BUILD_PACKAGES=(cmake ninja-build g++ binutils-mingw-w64-i686 g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64
  g++-mingw-w64-x86-64-posix pkg-config lv2-dev libsndfile1-dev gnuplot-nox)
TEST_PACKAGES=("${BUILD_PACKAGES[@]}" googletest libgtest-dev libbenchmark-dev libfftw3-dev
  clang libclang-rt-14-dev llvm-14
  wine wine64 wine32:i386 xvfb xauth fonts-dejavu-core fonts-liberation dragonfly-reverb-vst
  liblilv-dev lilv-utils sordi)

# What a package is needed for, for the message that says what still works without it.
needed_for() {
  case " ${BUILD_PACKAGES[*]} " in *" $1 "*) echo "the main job"; return ;; esac
  case "$1" in
    wine32:i386) echo "the 32-bit Windows suite" ;;
    wine | wine64 | xvfb | xauth | fonts-*) echo "both Windows suites" ;;
    clang | libclang-rt-* | llvm-*) echo "the sanitizer suites and the fuzz targets" ;;
    libbenchmark-dev | libfftw3-dev) echo "the benchmarks" ;;
    dragonfly-reverb-vst) echo "the render tool's tests with a third-party plug-in" ;;
    liblilv-dev | lilv-utils | sordi) echo "the LV2 bundle's tests" ;;
    *) echo "every test suite" ;;
  esac
}

explain_missing() {
  local package main_job=yes
  for package in "$@"; do
    echo "without $package: $(needed_for "$package") cannot run" >&2
    [ "$(needed_for "$package")" = "the main job" ] && main_job=no
  done
  if [ "$main_job" = yes ]; then
    echo "still works: the main job (scripts/build.sh) needs none of these" >&2
  fi
}

install_dependencies() {
  local packages
  case "${1:-}" in
    build) packages=("${BUILD_PACKAGES[@]}") ;;
    test) packages=("${TEST_PACKAGES[@]}") ;;
    *) echo "usage: install-dependencies.sh build|test" >&2; return 2 ;;
  esac
  if ! ensure_packages "${packages[@]}"; then
    explain_missing "${UNINSTALLABLE_PACKAGES[@]}"
    return 1
  fi
  if [ "$1" = test ]; then
    "$QUORVANTILE_ROOT/scripts/enable-i386-execution.sh"
  fi
}

# After a failed install_dependencies test: the suite that cannot run, when only the
# 32-bit Wine is missing (no other suite needs it), with the indexes that failed;
# fails when anything else is missing.
suite_not_run() {
  [ "${UNINSTALLABLE_PACKAGES[*]}" = "wine32:i386" ] || return 1
  local line="32-bit Windows suite: wine32:i386 cannot be installed"
  ((${#FAILED_INDEXES[@]} == 0)) || line+="; failed index: ${FAILED_INDEXES[*]}"
  echo "$line"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  install_dependencies "$@"
fi
