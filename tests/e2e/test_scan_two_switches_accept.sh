# Two switches with an acceptance time: switch 1, then switch 2 200 ms later,
# both held past the acceptance time; ten times over, each round presses the
# button switch 1 stepped to.
source "$(dirname "$0")/lib.sh"
new_work scan_two_switches_accept
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0" "[Switch]" "AcceptTime=300" "[Scan]" "Method=2"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 2
for round in $(seq 0 9); do
  t=$((round * 1400))
  printf '%d 1\n%d 11\n%d 01\n%d 0\n' "$t" $((t + 200)) $((t + 550)) $((t + 700))
done | python3 "$E2E_DIR/switch_driver.py" switch states
sleep 1
faults=$(press_faults <JoyToKey.log)
[ -z "$faults" ] || fail "$faults"
presses=$(log_messages | awk '$1 == 33778 {printf "%d ", $2 + 1}')
[ "$presses" = "1 2 3 4 1 2 3 4 1 2 " ] || fail "switch 2 pressed buttons '$presses', not 1 2 3 4 1 2 3 4 1 2"
pass "10 of 10 rounds pressed the button switch 1 stepped to"
