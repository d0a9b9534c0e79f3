#!/usr/bin/env bash
# The main job: installs what it needs (nothing that only the tests need), builds the
# 32-bit Windows plug-in and shows where it is and what it exports, builds the spectrum
# analyser for 32-bit and 64-bit Windows and Linux, builds the LV2 bundle for Linux
# hosts and tells how to install it, and renders the fader demo.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUORVANTILE_ROOT"

"$QUORVANTILE_ROOT/scripts/install-dependencies.sh" build

log "building the 32-bit Windows plug-in and the analyser"
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target quorvantile_plugin quorvantile_analyser_plugin

plugin="$QUORVANTILE_ROOT/build/win32/bin/Veltronika_Quorvantile.dll"
log "plug-in: $plugin"
i686-w64-mingw32-objdump -p "$plugin" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p'
echo "needs only:"
i686-w64-mingw32-objdump -p "$plugin" | sed -n 's/^\s*DLL Name: /  /p'

log "building the 64-bit Windows analyser"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target quorvantile_analyser_plugin

log "building the Linux analyser and the LV2 bundle for Linux hosts"
cmake --preset native >/dev/null
cmake --build --preset native --target quorvantile_analyser_plugin quorvantile_lv2_plugin
log "the spectrum analyser:"
for analyser in build/win32/bin/Veltronika_Spectrum.dll build/win64/bin/Veltronika_Spectrum.dll \
  build/native/bin/Veltronika_Spectrum.so; do
  echo "  $QUORVANTILE_ROOT/$analyser"
done
bundle="$QUORVANTILE_ROOT/build/native/lv2/Veltronika_Quorvantile.lv2"
log "LV2 bundle: $bundle"
echo "install it for your user with:"
echo "  mkdir -p ~/.lv2 && cp -r '$bundle' ~/.lv2/"

"$QUORVANTILE_ROOT/scripts/render-demo.sh"
