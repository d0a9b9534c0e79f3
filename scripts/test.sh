#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: the native suite,
# the same under the sanitizers with the fuzz targets, then the 32-bit and 64-bit
# Windows suites under Wine.
#
# When the 32-bit Wine cannot be installed, every other suite still runs; the 32-bit
# Windows DLL is still built and its checks that need no Wine still run. The command
# then fails with status 3 and, as its last line, "not run: ..." naming the suite,
# the package and the package indexes that failed to download.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$QUORVANTILE_ROOT/scripts/install-dependencies.sh"
cd "$QUORVANTILE_ROOT"

not_run=""
if ! install_dependencies test; then
  not_run="$(suite_not_run)" || exit 1
fi

# A Windows suite under Wine, on a virtual display of its own for the editor's windows;
# the prefix's server runs inside it, so that it never outlives the display.
windows_suite() {
  xvfb-run -a "$QUORVANTILE_ROOT/scripts/wine-prefix.sh" run ctest "$@"
}

log "native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native -j 2

"$QUORVANTILE_ROOT/scripts/test-robustness.sh"

log "32-bit Windows build and tests under Wine"
cmake --preset win32 >/dev/null
cmake --build --preset win32
if [ -n "$not_run" ]; then
  echo "without the 32-bit Wine only the checks that need no Wine run"
  ctest --preset win32 --label-regex without-wine
else
  windows_tests=(--preset win32 -j 2)
  if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    # 32-bit Wine on qemu's user-mode emulator crashes when a program starts a thread.
    echo "32-bit programs run under qemu here: the tests that start threads run natively only"
    windows_tests+=(--label-exclude needs-threads)
  fi
  windows_suite "${windows_tests[@]}"
fi

log "64-bit Windows build and tests under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64
windows_suite --preset win64 -j 2

if [ -n "$not_run" ]; then
  echo "not run: $not_run"
  exit 3
fi
