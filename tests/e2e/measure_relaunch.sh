# Measures how long the user is without JoyToKey when it dies: from kill -9 of
# the stand-in the panel started to the first press that reaches the one it
# starts again, with the user tapping all along (80 ms closed, 80 ms open).
# Usage: measure_relaunch.sh BUILD [RUNS]
source "$(dirname "$0")/lib.sh"
runs=${2:-5}
export JOYTOKEY_STANDIN_UNIX_TIME=1
results=()
standin_started_by_panel() {
  local pid
  for pid in $(pgrep -x JoyToKey); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then echo "$pid"; fi
  done
}
for run in $(seq "$runs"); do
  new_work "relaunch_$run"
  mkdir -p jtk
  cp "$BUILD/JoyToKey.exe" jtk/
  folder="$(winepath -w "$WORK/jtk")\\"
  printf '[UseJoyToKey]\r\n所在フォルダー=%s\r\n[Interval]\r\nScanTimer=1\r\n[Sound]\r\nON=0\r\n' "$folder" |
    iconv -f UTF-8 -t CP932 >Sorvane.ini
  use_switch_file
  start_panel "$BUILD/SorvaneE2E.exe" 3
  sleep 2
  standin=$(standin_started_by_panel | head -1)
  [ -n "$standin" ] || fail "no process of the stand-in the panel started"
  python3 "$E2E_DIR/switch_driver.py" switch taps 100 80 80 >/dev/null &
  tapper=$!
  sleep 0.5
  killed_at=$(date +%s%3N)
  kill -9 "$standin"
  sleep 0.2
  mv jtk/JoyToKey.log old.log
  first=""
  for _ in $(seq 750); do
    first=$(awk '$2 == 33779 {print $5; exit}' jtk/JoyToKey.log 2>/dev/null || true)
    [ -n "$first" ] && break
    sleep 0.02
  done
  wait "$tapper" 2>/dev/null || true
  [ -n "$first" ] || fail "run $run: no press reached the JoyToKey started again within 15 s"
  results+=($((first - killed_at)))
  echo "run $run: $((first - killed_at)) ms"
  probe close class:TSorvaneForm
  wait_gone "$panel_pid" 20 || true
  cleanup
  PIDS=()
done
sorted=($(printf '%s\n' "${results[@]}" | sort -n))
echo "death to the first press delivered again: ${results[*]} ms; median ${sorted[$((runs / 2))]} ms"
