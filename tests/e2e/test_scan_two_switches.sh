# Two switches: three presses of switch 1 light button 3, each press of switch 2
# presses it once and it stays lit; then the same through two keys while
# Notepad has the keyboard and sees neither.
source "$(dirname "$0")/lib.sh"
new_work scan_two_switches
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0" "[Switch]" "Key=32" "Key2=13" "[Scan]" "Method=2"
use_switch_file
start_standin
start notepad
probe wait "Notepad" 20000 >/dev/null || fail "Notepad did not open"
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 2
for state in 1 0 1 0 1 0 01 0 01 0; do
  echo "$state" >switch
  sleep 0.4
done
sleep 0.5
presses=$(log_messages | grep -E '^3377[89] ' | uniq | tr '\n' ';')
[ "$presses" = "33779 2;33778 2;33779 2;33778 2;" ] || fail "the switch file gave '$presses'"
screenshot file.png
[ "$(highlighted file.png 4)" = 3 ] || fail "button 3 did not stay lit"
read -r nx ny nw nh _ _ < <(probe rect "Notepad")
xdotool mousemove $((nx + nw / 2)) $((ny + nh / 2)) click 1
sleep 0.3
xdotool type --delay 50 "ab"
before=$(log_messages | wc -l)
xdotool keydown space; sleep 0.2; xdotool keyup space; sleep 0.3
xdotool keydown Return; sleep 0.2; xdotool keyup Return; sleep 0.5
xdotool type --delay 50 "cd"
sleep 0.5
text=$(probe text "Notepad" | sed -n 2p)
[ "$text" = "abcd" ] || fail "Notepad got '$text'"
keys=$(log_messages | tail -n +"$((before + 1))" | grep -E '^3377[89] ' | uniq | tr '\n' ';')
[ "$keys" = "33779 3;33778 3;" ] || fail "the keys gave '$keys'"
pass "switch 2 pressed button 3 twice; the keys stepped to 4 and pressed it; Notepad got '$text'"
