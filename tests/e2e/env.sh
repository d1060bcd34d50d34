# Sets up (or tears down) the end-to-end environment: an Xvfb display and a
# Wine prefix kept in the build folder.
set -euo pipefail
action=$1
BUILD=$(cd "$2" && pwd)
export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export DISPLAY="${SORVANE_E2E_DISPLAY:-:77}"
PIDFILE="$BUILD/xvfb.pid"

case "$action" in
  setup)
    if ! xdpyinfo >/dev/null 2>&1; then
      Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      echo $! >"$PIDFILE"
      for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w || true
    fi
    bash "$(dirname "$0")/../../scripts/wine-prefix.sh"
    echo "ok: display $DISPLAY, prefix $WINEPREFIX"
    ;;
  cleanup)
    wineserver -k 2>/dev/null || true
    if [ -f "$PIDFILE" ]; then kill "$(cat "$PIDFILE")" 2>/dev/null || true; rm -f "$PIDFILE"; fi
    echo "ok: cleaned up"
    ;;
esac
