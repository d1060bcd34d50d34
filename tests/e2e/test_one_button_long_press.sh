# One-button mode: a long press opens the sub-buttons; a short one presses.
source "$(dirname "$0")/lib.sh"
new_work one_button
write_settings "[ScanMax]" "ScanMax=1" "[SubScan]" "SubScan=2" "[Interval]" "ScanTimer=5" "[Sound]" "ON=0"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
read -r _ _ w _ _ _ < <(probe rect class:TSorvaneForm)
[ "$w" = 76 ] || fail "one-button panel is $w wide"
sleep 0.5
echo 1 >switch
sleep 2.5
echo 0 >switch
sleep 0.6
read -r _ _ w _ _ _ < <(probe rect class:TSorvaneForm)
[ "$w" = 142 ] || fail "after a long press the panel is $w wide, expected the two sub-buttons (142)"
after_long=$(log_messages | grep -v '^33768 0$' | tr '\n' ';')
[ "$after_long" = "33788 51;33768 -1;" ] || [[ "$after_long" == "33788 51;33768 -1;"* ]] || fail "long press sent: $after_long"
grep -q ' 33779 ' JoyToKey.log && fail "a long press sent a button press"
pass "long press: 33768 -1 then 33768 0, sub-buttons opened (142 wide)"

# Wait for the sub-buttons to close (three 5 s steps would be long: close now).
probe close class:TSorvaneForm
sleep 1
tail -1 JoyToKey.log | grep -q ' 18 0 0$' || fail "no WM_QUIT at close"
