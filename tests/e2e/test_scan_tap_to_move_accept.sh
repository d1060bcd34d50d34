# Tap to move with an acceptance time: two taps light button 2, and a press
# begun 200 ms before the pause ends steps to button 3, which the next pause
# presses; ten times over, and nothing else is pressed.
source "$(dirname "$0")/lib.sh"
new_work scan_tap_to_move_accept
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0" "[Switch]" "AcceptTime=300" \
  "[Scan]" "Method=3" "DwellTime=2000"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 2
# The pause after the second tap ends 2 s after its release, at 3000 in each round.
for round in $(seq 0 9); do
  t=$((round * 6000))
  printf '%d 1\n%d 0\n%d 1\n%d 0\n%d 1\n%d 0\n' "$t" $((t + 400)) $((t + 600)) $((t + 1000)) \
    $((t + 2800)) $((t + 3200))
done | python3 "$E2E_DIR/switch_driver.py" switch states
sleep 3
faults=$(press_faults <JoyToKey.log)
[ -z "$faults" ] || fail "$faults"
presses=$(log_messages | awk '$1 == 33778 {printf "%d ", $2 + 1}')
[ "$presses" = "3 3 3 3 3 3 3 3 3 3 " ] || fail "the pauses pressed buttons '$presses', not button 3 ten times"
pass "10 of 10 rounds pressed button 3 once"
