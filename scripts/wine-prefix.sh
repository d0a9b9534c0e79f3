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

# A prefix made while the 32-bit Wine was missing has no 32-bit half, and Wine adds it
# only when it updates the prefix, which it does only for a prefix older than itself.
# Once the 32-bit Wine is installed, the update is forced; through the server this run
# started, since waiting for another run's server to end could take forever.
add_32bit_half() {
  [ -x /usr/lib/wine/wine ] || return 0
  [ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ] && return 0
  if [ "$1" != own-server ]; then
    echo "the Wine prefix $WINEPREFIX has no 32-bit half; it gains one once this prefix's server is stopped and a run starts it again" >&2
    return 0
  fi
  log "adding the 32-bit half to the Wine prefix $WINEPREFIX"
  rm -f "$WINEPREFIX/.update-timestamp"
  wineboot --update
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
    if start_server; then
      trap stop_server EXIT
      add_32bit_half own-server
    else
      add_32bit_half
    fi
    "$@"
    ;;
  start)
    create_prefix
    if start_server; then
      add_32bit_half own-server
      echo "started the Wine server of $WINEPREFIX; stop it with: $0 stop"
    else
      add_32bit_half
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
