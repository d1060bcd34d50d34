# Measures how long a press takes to reach JoyToKey: 30 presses of 300 ms,
# from the moment the switch file is written to the stand-in's log of the
# press. Usage: measure_latency.sh BUILD [PANEL.exe]
source "$(dirname "$0")/lib.sh"
panel=${2:-$BUILD/SorvaneE2E.exe}
new_work latency
write_settings "[Interval]" "ScanTimer=5" "[Sound]" "ON=0"
use_switch_file
start "$BUILD/JoyToKey.exe" --log "$WORK/JoyToKey.log" --unix-time
probe wait "(stand-in)" 20000 >/dev/null || fail "the stand-in did not open its window"
start_panel "$panel" 3
sleep 5.5  # the first scan step puts the highlight on button 1
python3 "$E2E_DIR/switch_driver.py" switch taps 30 300 737 >pressed.txt
sleep 0.5
# The first press of each hold, matched to the write that began it.
awk '$2 == 33779 {print $5}' JoyToKey.log | sort -n >downs.txt
python3 - pressed.txt downs.txt <<'PY'
import sys
pressed = [int(x) for x in open(sys.argv[1])]
downs = [int(x) for x in open(sys.argv[2])]
latencies = []
for p in pressed:
    after = [d - p for d in downs if d >= p]
    if after and after[0] < 1000:
        latencies.append(after[0])
latencies.sort()
if not latencies:
    sys.exit("no press reached JoyToKey")
print("%d of %d presses: min %d ms, median %d ms, max %d ms" % (
    len(latencies), len(pressed), latencies[0], latencies[len(latencies) // 2], latencies[-1]))
PY
