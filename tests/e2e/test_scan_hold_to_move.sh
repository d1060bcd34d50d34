# Hold to move: nothing is lit until the switch goes down; held 3.5 s at 1 s a
# step, the release presses button 4 once; a 300 ms tap presses button 1.
source "$(dirname "$0")/lib.sh"
new_work scan_hold_to_move
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0" "[Scan]" "Method=1"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 2.5
screenshot idle.png
[ "$(highlighted idle.png 4)" = 0 ] || fail "a button was lit before any press"
echo 1 >switch
sleep 3.5
echo 0 >switch
sleep 1
echo 1 >switch
sleep 0.3
echo 0 >switch
sleep 1
screenshot after.png
[ "$(highlighted after.png 4)" = 0 ] || fail "a button stayed lit after the selection"
probe close class:TSorvaneForm
sleep 1
sequence=$(log_messages | grep -E '^3377[89] ' | tr '\n' ';')
[ "$sequence" = "33779 3;33778 3;33779 0;33778 0;" ] || fail "JoyToKey saw '$sequence'"
pass "a 3.5 s hold pressed button 4 once, a tap button 1; nothing lit between"
