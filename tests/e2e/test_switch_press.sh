# A press and a release of the switch at a chosen button, as JoyToKey logs them.
source "$(dirname "$0")/lib.sh"
new_work switch_press
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
wait_highlight 3 4
echo 1 >switch
sleep 0.9
echo 0 >switch
sleep 0.6
probe close class:TSorvaneForm
sleep 1
sequence=$(log_messages | grep -v '^33768 0$' | uniq -c | awk '{print $2 " " $3 " x" $1}' | tr '\n' ';')
echo "JoyToKey saw (stick reports left out): $sequence"
downs=$(log_messages | grep -c '^33779 2$' || true)
ups=$(log_messages | grep -c '^33778 2$' || true)
[ "$downs" -ge 3 ] && [ "$downs" -le 6 ] || fail "$downs presses of button 3 for a 0.9 s hold"
[ "$ups" = 1 ] || fail "$ups releases of button 3"
last_down=$(grep -n ' 33779 0 2$' JoyToKey.log | tail -1 | cut -d: -f1)
up=$(grep -n ' 33778 0 2$' JoyToKey.log | cut -d: -f1)
[ "$up" -gt "$last_down" ] || fail "the release came before the last press"
log_messages | grep -qE '^3377[89] [^2]' && fail "other buttons were pressed"
pass "button 3: $downs presses every tick, then one release"
