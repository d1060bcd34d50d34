# With Key=16, a Shift already held when the panel starts belongs to the
# program with the keyboard: released after the panel is up, it is up for
# Notepad too, which then types small letters. The next Shift is the switch.
source "$(dirname "$0")/lib.sh"
new_work switch_key_held_at_start
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0" "[Switch]" "Key=16"
start_standin
start notepad
probe wait class:Notepad 20000 >/dev/null || fail "no Notepad"
# X hands keys to the window under the pointer: the pointer stays on Notepad.
read -r nx ny nw nh _ _ < <(probe rect class:Notepad)
xdotool mousemove $((nx + nw / 2)) $((ny + nh / 2)) click 1
sleep 0.3
xdotool keydown shift
start_panel "$BUILD/Sorvane.exe" 3
sleep 2
xdotool keyup shift
sleep 0.5
owner=$(probe foreground)
[ "$owner" = Notepad ] || fail "the keyboard is with '$owner'"
xdotool type --delay 50 "ab"
sleep 0.5
text=$(probe text class:Notepad | sed -n 2p)
[ "$text" = "ab" ] || fail "after Shift, held from before the panel started, was released, Notepad typed '$text'"
[ "$(log_messages | grep -c '^33778 ' || true)" = 0 ] || fail "the Shift held from before the start pressed a button"
xdotool keydown shift
sleep 0.3
xdotool keyup shift
xdotool type --delay 50 "cd"
sleep 0.5
text=$(probe text class:Notepad | sed -n 2p)
[ "$text" = "abcd" ] || fail "after a Shift press with the panel up, Notepad holds '$text'"
ups=$(log_messages | grep -c '^33778 ' || true)
[ "$ups" = 1 ] || fail "a Shift press with the panel up gave $ups presses at JoyToKey"
pass "Shift held from before the start went to Notepad and was released there; the next Shift was one press: '$text'"
