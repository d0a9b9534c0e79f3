#!/usr/bin/env bash
# The project's Wine prefix and its Wine server. Whoever starts the server stops it, and
# nothing stops a server it did not start: a server that runs already belongs to
# someone else's run, and stays.
#
# wine-prefix.sh run COMMAND...: creates the prefix if needed, runs COMMAND with the
#                       prefix's server running, and afterwards stops the server if
#                       this call started it.
# wine-prefix.sh start: creates the prefix if needed and starts a persistent server,
#                       unless one runs already; says which of the two it was.
# wine-prefix.sh stop:  stops the prefix's server (and only that one); for the caller
#                       whose start started it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
export WINEPREFIX="$QUORVANTILE_WINEPREFIX" WINEARCH=win64

create_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  log "creating the Wine prefix $WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot --init
  # No window manager runs on the virtual display, so windows are left unmanaged:
  # otherwise destroying a top-level window waits two seconds for a manager to let it go.
  "$(wine_loader)" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  wineserver --wait
}

# The 64-bit loader where there is one: it runs natively even where 32-bit programs
# need an emulator.
wine_loader() {
  if [ -x /usr/lib/wine/wine64 ]; then echo /usr/lib/wine/wine64; else echo wine; fi
}

# Succeeds when it started the server, fails when one runs already.
start_server() {
  local status=0
  # Detached from our output: the server outlives this script.
  wineserver --persistent </dev/null >/dev/null 2>&1 || status=$?
  case "$status" in
    0) return 0 ;;
    2) return 1 ;;  # wineserver's answer when the prefix has a server already
    *) echo "wineserver --persistent failed with status $status" >&2; exit "$status" ;;
  esac
}

stop_server() { wineserver --kill 2>/dev/null || true; }

case "${1:-}" in
  run)
    shift
    [ "$#" -gt 0 ] || { echo "usage: $0 run COMMAND..." >&2; exit 2; }
    create_prefix
    if start_server; then trap stop_server EXIT; fi
    "$@"
    ;;
  start)
    create_prefix
    if start_server; then
      echo "started the Wine server of $WINEPREFIX; stop it with: $0 stop"
    else
      echo "the Wine server of $WINEPREFIX runs already; it is not this run's to stop"
    fi
    ;;
  stop)
    stop_server
    ;;
  *)
    echo "usage: $0 run COMMAND... | start | stop" >&2
    exit 2
    ;;
esac
