# Started again the moment the panel before it closes, the panel waits for
# that one to end and runs: ten times in a row, a panel every time, never the
# duplicate-start box.
source "$(dirname "$0")/lib.sh"
new_work quick_restart
folder_unix="$WINEPREFIX/drive_c/SorvaneQuickRestart"
rm -rf "$folder_unix" && mkdir -p "$folder_unix"
cp "$BUILD/JoyToKey.exe" "$folder_unix/"
trap 'cleanup; rm -rf "$folder_unix"' EXIT
# The panel starts the stand-in again whenever the one before has quit with
# the panel that closed.
printf '%s\r\n' "[Sound]" "ON=0" "[UseJoyToKey]" '所在フォルダー=C:\SorvaneQuickRestart\' |
  iconv -f UTF-8 -t CP932 >Sorvane.ini
start_panel "$BUILD/Sorvane.exe" 3
for round in $(seq 10); do
  previous=$panel_pid
  probe close class:TSorvaneForm
  start "$BUILD/Sorvane.exe" 3
  panel_pid=${PIDS[-1]}
  wait_gone "$previous" 20 || fail "round $round: the closing panel did not end"
  probe wait class:TSorvaneForm 20000 >/dev/null || fail "round $round: no panel"
  kill -0 "$panel_pid" 2>/dev/null || fail "round $round: the new start ended"
  box=$(probe text 'class:#32770' 2>/dev/null || true)
  echo "$box" | grep -qF '二重起動' && fail "round $round: refused as a second instance"
  [ "$(probe count class:TSorvaneForm)" = 1 ] || fail "round $round: $(probe count class:TSorvaneForm) panels"
done
pass "ten starts at the moment of a close: a panel every time"
