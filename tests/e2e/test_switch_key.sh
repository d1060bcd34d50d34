# With Key=32, Space works as the switch wherever the keyboard is: one press
# reaches JoyToKey, and Notepad, which has the keyboard, never sees it.
source "$(dirname "$0")/lib.sh"
new_work switch_key
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0" "[Switch]" "Key=32"
start_standin
start notepad
probe wait "Notepad" 20000 >/dev/null || fail "Notepad did not open"
start_panel "$BUILD/Sorvane.exe" 3
sleep 1.5
read -r nx ny nw nh _ _ < <(probe rect "Notepad")
xdotool mousemove $((nx + nw / 2)) $((ny + nh / 2)) click 1
sleep 0.3
xdotool type --delay 50 "ab"
xdotool keydown space
sleep 0.3
xdotool keyup space
xdotool type --delay 50 "cd"
sleep 0.5
text=$(probe text "Notepad" | sed -n 2p)
[ "$text" = "abcd" ] || fail "Notepad got '$text'"
ups=$(log_messages | grep -c '^33778 ' || true)
[ "$ups" = 1 ] || fail "Space gave $ups presses at JoyToKey"
pass "Space: one press at JoyToKey; Notepad got '$text'"
