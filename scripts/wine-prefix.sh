#!/usr/bin/env bash
# wine-prefix.sh start: creates the project's Wine prefix if needed and starts a
#                       persistent Wine server for the test programs.
# wine-prefix.sh stop:  stops that prefix's Wine server (and only that one).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
export WINEPREFIX="$QUORVANTILE_WINEPREFIX" WINEARCH=win64

case "${1:-}" in
  start)
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      log "creating the Wine prefix $WINEPREFIX"
      mkdir -p "$(dirname "$WINEPREFIX")"
      wineboot --init
      wineserver --wait
    fi
    # Detached from our output: the server outlives this script. A server that runs
    # already (exit status 2) serves as well.
    wineserver --persistent </dev/null >/dev/null 2>&1 || [ $? -eq 2 ]
    ;;
  stop)
    wineserver --kill 2>/dev/null || true
    ;;
  *)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
