# Single display turned off from the menu: the strip shows the position lit
# now, and only it, and a press sends that button.
source "$(dirname "$0")/lib.sh"
new_work single_display_off
write_settings "[Interval]" "ScanTimer=3" "[Sound]" "ON=0"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
wait_highlight 3 4
open_menu
xdotool key d  # on: the scan goes on from button 3
xdotool mousemove 5 5
sleep 4  # one step: position 4, shown by button 1
open_menu
xdotool key d  # off
xdotool mousemove 5 5
probe gone 'class:#32768' 3000 || fail "the menu stayed open"
sleep 0.3
read -r x y < <(panel_origin)
screenshot off.png
cp off.png "$BUILD/single-display-off-screenshot.png"
lit=""
for k in 1 2 3 4; do
  [ "$(pixel off.png $((x + 20 + 60 * (k - 1) + 4)) $((y + 4)))" = FFFF00 ] && lit="$lit $k"
done
[ "$lit" = " 4" ] || fail "buttons lit after single display went off:$lit (position 4 is)"
echo 1 >switch
sleep 0.1
echo 0 >switch
sleep 0.6
probe close class:TSorvaneForm
wait_gone "$panel_pid" 10 || fail "the panel did not close"
pressed=$(log_messages | awk '$1 == 33779 {print $2 + 1}' | sort -u | tr '\n' ' ')
[ "$pressed" = "4 " ] || fail "the press sent buttons $pressed, not 4"
pass "single display off: only button 4 lit, and the press sent button 4"
