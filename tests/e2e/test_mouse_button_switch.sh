# A mouse button as the switch: a middle click presses the lit button once,
# and Notepad under the pointer never gets it (Wine's Notepad pastes on a
# middle click). With the right button as the switch, a right click on the
# panel is a press, and the keyboard's menu key over the panel opens the menu.
source "$(dirname "$0")/lib.sh"
new_work mouse_button_switch
write_settings "[Sound]" "ON=0" "[Interval]" "ScanTimer=5" "[Switch]" "MouseButton=3"
start_standin
start notepad
probe wait class:Notepad 20000 >/dev/null || fail "no Notepad"
xdotool mousemove 200 200
xdotool search --name "Untitled - Notepad" windowfocus --sync
xdotool type --delay 40 "xy"
xdotool key ctrl+a ctrl+c End
sleep 0.3
notepad_text() { probe text class:Notepad | sed -n 2p; }
[ "$(notepad_text)" = xy ] || fail "Notepad holds: $(notepad_text)"

start_panel "$BUILD/Sorvane.exe" 3
probe top class:TSorvaneForm
wait_highlight 1 4
xdotool mousemove 200 200 click 2
wait_logged 33778 JoyToKey.log 10 >/dev/null
sleep 0.5  # time for a second press, were there one
presses=$(joytokey_presses <JoyToKey.log)
[ "$presses" = "1 1 0" ] || fail "a middle click made presses, releases, held: $presses ($(log_summary JoyToKey.log))"
[ "$(awk '$2 == 33779 {print $4}' JoyToKey.log | sort -u)" = 0 ] || fail "the press was not of button 1"
[ "$(notepad_text)" = xy ] || fail "Notepad got the middle click: it holds $(notepad_text)"
pass "a middle click pressed button 1 once; Notepad under the pointer got no middle click"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not end"

sed -i 's/^MouseButton=3/MouseButton=2/' Sorvane.ini
grep -q '^MouseButton=2' Sorvane.ini || fail "saved: $(grep MouseButton Sorvane.ini)"
probe gone "JoyToKey " 20000 || fail "the stand-in did not quit with the panel"
: >JoyToKey.log
start_standin
start_panel "$BUILD/Sorvane.exe" 3
wait_highlight 1 4
read -r x y < <(panel_origin)
xdotool mousemove $((x + 8)) $((y + 10)) click 3
wait_logged 33778 JoyToKey.log 10 >/dev/null
sleep 0.5
[ "$(probe count 'class:#32768')" = 0 ] || fail "a right click opened the menu though it is the switch"
[ "$(grep ' 33778 ' JoyToKey.log | wc -l)" = 1 ] || fail "the right click made no single press: $(log_summary JoyToKey.log)"
xdotool key Menu
probe wait 'class:#32768' 5000 >/dev/null || fail "the menu key over the panel opened no menu"
xdotool key Escape
probe gone 'class:#32768' 3000 || fail "the menu stayed open"
pass "with the right button as the switch, a right click pressed and the menu key opened the menu"
