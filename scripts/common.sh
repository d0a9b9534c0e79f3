# Shared settings of the project's scripts; sourced, not run.
set -euo pipefail

QUORVANTILE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export QUORVANTILE_ROOT

# Wine runs with a prefix of the project's own, quietly, without the Mono and Gecko
# installers, without desktop menu entries and without the debugger that would wait
# on a crashed program until the test times out. The prefix is a 64-bit one: it runs
# the 32-bit programs as well, and its own services then run natively even where
# 32-bit programs need an emulator.
export QUORVANTILE_WINEPREFIX="${QUORVANTILE_WINEPREFIX:-$QUORVANTILE_ROOT/build/wine/prefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"

# Runs a command as root, through sudo when the script itself is not root.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

log() { printf '\n== %s\n' "$*"; }
