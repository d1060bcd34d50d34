# One-button mode while the switch is held: the panel answers, and contact
# bounce inside a long press does not split it into a press and a long press.
source "$(dirname "$0")/lib.sh"
new_work one_button_hold
write_settings "[ScanMax]" "ScanMax=1" "[SubScan]" "SubScan=2" "[Interval]" "ScanTimer=5" "[Sound]" "ON=0"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 0.5
python3 "$E2E_DIR/switch_driver.py" switch hold 2500 1200 >/dev/null &
driver=$!
sleep 0.7
answered=0
for _ in 1 2 3 4 5; do
  probe ping class:TSorvaneForm 300 && answered=$((answered + 1))
  sleep 0.1
done
wait "$driver"
[ "$answered" = 5 ] || fail "the panel answered $answered of 5 pings while the switch was held"
sleep 0.6
read -r _ _ w _ _ _ < <(probe rect class:TSorvaneForm)
[ "$w" = 142 ] || fail "after a long press with bounce the panel is $w wide, expected the two sub-buttons (142)"
grep -q ' 33779 ' JoyToKey.log && fail "the bounce made a button press"
after=$(log_messages | grep -v '^33768 0$' | tr '\n' ';')
[[ "$after" == "33788 51;33768 -1;"* ]] || fail "the long press sent: $after"
pass "5 of 5 pings answered during the hold; bounce ignored; sub-buttons opened"
