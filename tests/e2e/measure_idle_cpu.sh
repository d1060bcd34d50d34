# The panel's cost while it scans idle, beside a bare window with the same
# timers (barepanel.exe), both running in one prefix over the same interval;
# another build of the panel may run beside them for comparison. Prints the
# CPU seconds of each process and of wineserver, and the ratio to the bare one.
#   bash measure_idle_cpu.sh BUILD [SECONDS [OTHER_PANEL.exe]]
source "$(dirname "$0")/lib.sh"
seconds=${2:-60}
other=${3:-}
new_work measure_idle_cpu
write_settings "[Sound]" "ON=0" "[Interval]" "ScanTimer=1"
start_standin
start "$BUILD/barepanel.exe" 1000
bare_pid=${PIDS[-1]}
start_panel "$BUILD/Sorvane.exe" 3
probe wait "bare panel" 20000 >/dev/null || fail "no bare window"
other_pid=""
if [ -n "$other" ]; then
  # Its own folder and file name: its own settings, and not a second instance.
  mkdir other
  cp "$other" other/Other.exe
  printf '%s\r\n' "[Sound]" "ON=0" "[Interval]" "ScanTimer=1" "[起動時の縦座標]" "YPOS=100" >other/Sorvane.ini
  cd other
  start ./Other.exe 3
  other_pid=${PIDS[-1]}
  cd ..
fi
sleep 3

# CPU seconds (user and system) of a process, from /proc.
cpu_of() {
  awk -v tick="$(getconf CLK_TCK)" '{ printf "%.2f", ($14 + $15) / tick }' "/proc/$1/stat"
}
server_pid=""
for pid in $(pgrep -x 'wineserver(64)?'); do
  tr "\0" "\n" 2>/dev/null <"/proc/$pid/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" && server_pid=$pid
done
[ -n "$server_pid" ] || fail "no wineserver for $WINEPREFIX"

other_before=$([ -n "$other_pid" ] && cpu_of "$other_pid" || echo 0)
panel_before=$(cpu_of "$panel_pid")
bare_before=$(cpu_of "$bare_pid")
server_before=$(cpu_of "$server_pid")
sleep "$seconds"
kill -0 "$panel_pid" || fail "the panel ended during the measurement"
panel=$(awk -v a="$panel_before" -v b="$(cpu_of "$panel_pid")" 'BEGIN { printf "%.2f", b - a }')
bare=$(awk -v a="$bare_before" -v b="$(cpu_of "$bare_pid")" 'BEGIN { printf "%.2f", b - a }')
server=$(awk -v a="$server_before" -v b="$(cpu_of "$server_pid")" 'BEGIN { printf "%.2f", b - a }')
ratio=$(awk -v p="$panel" -v b="$bare" 'BEGIN { printf "%.2f", (b > 0 ? p / b : 0) }')
echo "over $seconds s: panel $panel s, bare window $bare s (ratio $ratio), wineserver $server s"
if [ -n "$other_pid" ]; then
  kill -0 "$other_pid" || fail "the other panel ended during the measurement"
  before=$(awk -v a="$other_before" -v b="$(cpu_of "$other_pid")" 'BEGIN { printf "%.2f", b - a }')
  echo "beside them, $(basename "$other"): $before s (ratio $(awk -v p="$before" -v b="$bare" 'BEGIN { printf "%.2f", (b > 0 ? p / b : 0) }'))"
fi
