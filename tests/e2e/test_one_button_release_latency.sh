# One-button mode presses at the release, so the release is what the user
# waits on: over 20 short presses, JoyToKey has the press a median of at most
# 40 ms after the switch opens.
source "$(dirname "$0")/lib.sh"
new_work one_button_release_latency
write_settings "[ScanMax]" "ScanMax=1" "[SubScan]" "SubScan=2" "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
use_switch_file
start "$BUILD/JoyToKey.exe" --log "$WORK/JoyToKey.log" --unix-time
probe wait "JoyToKey " 20000 >/dev/null || fail "the stand-in did not open its window"
start_panel "$BUILD/SorvaneE2E.exe" 3
wait_highlight 1 1
# A press restarts the 200 ms tick: presses of 100 to 290 ms put their
# releases at every phase of it.
: >released.txt
for length in $(seq 100 10 290); do
  python3 "$E2E_DIR/switch_driver.py" switch releases 1 "$length" 500 >>released.txt
done
sleep 1
awk '$2 == 33779 {print $5}' JoyToKey.log >downs.txt
read -r count lmin lmed lmax < <(python3 - released.txt downs.txt <<'PY'
import sys
released = [int(x) for x in open(sys.argv[1])]
downs = [int(x) for x in open(sys.argv[2])]
latencies = sorted(next((d - r for d in downs if r <= d < r + 600), 9999) for r in released)
print(sum(x < 9999 for x in latencies), latencies[0], latencies[(len(latencies) - 1) // 2], latencies[-1])
PY
)
echo "release to JoyToKey's press over 20 short presses: min $lmin ms, median $lmed ms, max $lmax ms"
[ "$count" = 20 ] || fail "only $count of 20 short presses reached JoyToKey"
[ "$lmed" -le 40 ] || fail "the median press reached JoyToKey $lmed ms after the release"
pass "20 short presses: median $lmed ms from release to JoyToKey"
