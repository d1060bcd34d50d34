# Taps made while the colour and font dialogs are open never reach JoyToKey,
# neither while they are open nor after they close; the first tap after them
# is one press and one release.
source "$(dirname "$0")/lib.sh"
new_work switch_system_dialogs
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
# Once the scan has lit a button, a tap selects it.
wait_highlight 1 4
tap() { python3 "$E2E_DIR/switch_driver.py" switch taps 1 150 0 >/dev/null; }
dialog_title() { probe text 'class:#32770' | head -1; }

read -r x y < <(panel_origin)
xdotool mousemove $((x + 140 + 28)) $((y + 10)) click 1
probe wait 'class:#32770' 15000 >/dev/null || fail "no colour dialog after a click on button 3"
colour=$(dialog_title)
tap
sleep 0.5
tap
sleep 0.5
probe click 'class:#32770' Cancel
font=""
for _ in $(seq 40); do
  font=$(dialog_title || true)
  [ -n "$font" ] && [ "$font" != "$colour" ] && break
  sleep 0.25
done
[ -n "$font" ] && [ "$font" != "$colour" ] || fail "no font dialog after the colour dialog was cancelled"
tap
sleep 0.5
read -r during during_ups _ < <(joytokey_presses <JoyToKey.log)
probe click 'class:#32770' Cancel
probe gone 'class:#32770' 10000 || fail "the font dialog stayed"
# Taps held back by the dialogs would come out at the first ticks after them.
sleep 1.5
read -r after after_ups unreleased < <(joytokey_presses <JoyToKey.log)
echo "3 taps during '$colour' and '$font': $during presses ($during_ups releases) while open," \
  "$after presses ($after_ups releases, $unreleased unreleased) once closed"
[ "$during $during_ups" = "0 0" ] || fail "taps during the dialogs reached JoyToKey while they were open"
[ "$after $after_ups $unreleased" = "0 0 0" ] ||
  fail "the 3 taps made during the dialogs reached JoyToKey after they closed as $after presses and $after_ups releases"
pass "3 taps during the colour and font dialogs: nothing at JoyToKey, then or after"

mark=$(wc -l <JoyToKey.log)
tap
sleep 1
read -r presses ups unreleased < <(tail -n +$((mark + 1)) JoyToKey.log | joytokey_presses)
[ "$presses $ups $unreleased" = "1 1 0" ] ||
  fail "the tap after the dialogs gave $presses presses, $ups releases, $unreleased unreleased"
pass "the tap after the dialogs: one press and one release"
