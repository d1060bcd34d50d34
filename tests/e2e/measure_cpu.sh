# Measures, side by side in one run, the CPU time two builds of the panel use
# over 60 s of idle scanning (button count 4, 0.5 s steps, switch up).
# Usage: measure_cpu.sh BUILD FIRST.exe SECOND.exe [SECONDS]
source "$(dirname "$0")/lib.sh"
seconds=${4:-60}
new_work cpu
start_standin
use_switch_file
names=()
for i in 1 2; do
  exe=$([ "$i" = 1 ] && echo "$2" || echo "$3")
  mkdir -p "panel$i"
  cp "$exe" "panel$i/Panel$i.exe"
  printf '%s\r\n' "[Interval]" "ScanTimer=0.5" "[Sound]" "ON=0" "[起動時の縦座標]" "YPOS=$((100 * i))" >"panel$i/Sorvane.ini"
  (cd "panel$i" && start "./Panel$i.exe" 3)
  names+=("Panel$i.exe")
done
sleep 4
cpu_of() {  # user + system clock ticks of the process running $1
  local pid
  pid=$(pgrep -f "$1" | head -1)
  awk '{print $14 + $15}' "/proc/$pid/stat"
}
a0=$(cpu_of Panel1.exe); b0=$(cpu_of Panel2.exe)
sleep "$seconds"
a1=$(cpu_of Panel1.exe); b1=$(cpu_of Panel2.exe)
hz=$(getconf CLK_TCK)
awk -v a=$((a1 - a0)) -v b=$((b1 - b0)) -v hz="$hz" -v s="$seconds" -v n1="$(basename "$2")" -v n2="$(basename "$3")" 'BEGIN {
  printf "%s: %.2f s of CPU in %d s; %s: %.2f s; difference %.2f %% of one core\n", n1, a / hz, s, n2, b / hz, (b - a) / hz / s * 100 }'
