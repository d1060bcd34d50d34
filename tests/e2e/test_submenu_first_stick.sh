# Opening the "１個 (&1)" submenu puts the panel back on the first virtual
# joystick, so the next press acts on button 1 and not on button 11.
source "$(dirname "$0")/lib.sh"
new_work submenu_first_stick
write_settings "[Interval]" "ScanTimer=0.5" "[Sound]" "ON=0" "[JoyStickID]" "ON=1"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 1
last_stick() { awk '$2 == 33768 {s = $4} END {print s}' JoyToKey.log; }
# Tap along the scan until a tap lands on the switch-over position. Each tap
# starts the 0.5 s interval afresh, so the taps come further apart than that
# for the highlight to move on between them.
for _ in $(seq 15); do
  python3 "$E2E_DIR/switch_driver.py" switch taps 1 60 0 >/dev/null
  sleep 0.7
  [ "$(last_stick)" = 1 ] && break
done
[ "$(last_stick)" = 1 ] || fail "never switched over to the second joystick"
open_menu
xdotool key b
sleep 0.3
xdotool key 1
sleep 0.5
for _ in 1 2 3; do xdotool key Escape; sleep 0.2; done
sleep 0.5
[ "$(last_stick)" = 0 ] || fail "after the submenu JoyToKey still hears of stick $(last_stick)"
pass "the １個 submenu put the panel back on the first joystick"
