# Practice chosen from the menu while the switch holds a button down: the
# button goes up at once, and no repeat of it reaches JoyToKey afterwards,
# though the switch is held on for another second and a half.
source "$(dirname "$0")/lib.sh"
new_work practice_during_hold
use_switch_file
write_settings "[Sound]" "ON=0" "[Interval]" "ScanTimer=5"
start_standin --unix-time
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 1
wait_highlight 1 4
echo 1 >switch
sleep 0.8
open_menu
xdotool key p
chosen=$(date +%s%3N)
sleep 1.5
echo 0 >switch
sleep 0.6
downs=$(awk '$2 == 33779' JoyToKey.log | wc -l)
[ "$downs" -ge 2 ] || fail "the held button was not repeated before the menu: $(log_summary JoyToKey.log)"
late=$(awk -v t="$chosen" '$2 == 33779 && $5 > t + 150' JoyToKey.log | wc -l)
[ "$late" = 0 ] || fail "$late repeats reached JoyToKey after practice was chosen"
up=$(awk '$2 == 33778 {print $5}' JoyToKey.log)
[ "$(echo "$up" | wc -w)" = 1 ] || fail "the button was released $(echo "$up" | wc -w) times"
[ "$up" -le $((chosen + 500)) ] || fail "the button went up $((up - chosen)) ms after practice was chosen"
pass "$downs repeats before the menu, the release $((up - chosen)) ms after practice was chosen, nothing after"
