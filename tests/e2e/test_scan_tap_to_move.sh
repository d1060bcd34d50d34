# Tap to move, wait to select: two taps light button 2; 2.5 s without a press
# presses it once, and nothing more comes.
source "$(dirname "$0")/lib.sh"
new_work scan_tap_to_move
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0" "[Scan]" "Method=3" "DwellTime=2000"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 2.5
for state in 1 0 1 0; do
  echo "$state" >switch
  sleep 0.25
done
sleep 2.5
screenshot after.png
sleep 2.5
probe close class:TSorvaneForm
sleep 1
sequence=$(log_messages | grep -E '^3377[89] ' | tr '\n' ';')
[ "$sequence" = "33779 1;33778 1;" ] || fail "JoyToKey saw '$sequence'"
[ "$(highlighted after.png 4)" = 0 ] || fail "a button stayed lit after the selection"
pass "two taps and a pause pressed button 2 once"
