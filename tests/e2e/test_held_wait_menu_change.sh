# One-button mode: while the switch is held long enough to open the
# sub-buttons, the carer chooses three buttons from the menu; the release
# then leaves the three buttons and presses nothing.
source "$(dirname "$0")/lib.sh"
new_work held_wait_menu_change
write_settings "[ScanMax]" "ScanMax=1" "[SubScan]" "SubScan=2" "[Interval]" "ScanTimer=5" "[Sound]" "ON=0"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 0.5
echo 1 >switch
sleep 0.4
open_menu
xdotool key b
sleep 0.3
xdotool key 3
sleep 1.2
echo 0 >switch
sleep 1
read -r _ _ w _ _ _ < <(probe rect class:TSorvaneForm)
[ "$w" = 202 ] || fail "after the release the panel is $w wide, not the three buttons chosen (202)"
grep -q ' 33779 ' JoyToKey.log && fail "the release pressed a button: $(log_messages | grep '^33779' | head -1)"
pass "the three buttons chosen during the hold stayed; the release pressed nothing"
