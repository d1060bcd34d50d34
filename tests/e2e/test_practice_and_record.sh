# Practice sends nothing to JoyToKey while the selected button flashes; with
# the record on, ten presses give ten lines whose lit times match the presses;
# the record window opens from the menu, and "この設定にする" changes ScanTimer.
source "$(dirname "$0")/lib.sh"
new_work practice_and_record
use_switch_file
write_settings "[Sound]" "ON=0" "[Interval]" "ScanTimer=5" "[Record]" "ON=1"
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 1
open_menu
xdotool key p
sleep 0.5
read -r x y < <(panel_origin)
wait_highlight 1 4
: >JoyToKey.log
python3 "$E2E_DIR/switch_driver.py" switch hold 150 >/dev/null &
driver=$!
flashed=0
for _ in $(seq 12); do
  screenshot flash.png
  [ "$(pixel flash.png $((x + 24)) $((y + 4)))" = 0000FF ] && flashed=1
done
wait "$driver" || true
screenshot after.png
[ "$flashed" = 1 ] || fail "the selected button did not flash inverted"
[ ! -s JoyToKey.log ] || fail "practice sent to JoyToKey: $(log_messages | head -3)"
pass "practice: the button flashed, JoyToKey heard nothing"
open_menu
xdotool key p  # normal again

# Ten presses, each 1 s after its position lit.
for _ in $(seq 10); do
  sleep 1
  python3 "$E2E_DIR/switch_driver.py" switch hold 200 >/dev/null
done
sleep 0.5
lines=$(grep -c ',通常' Sorvane-record.csv || true)
[ "$lines" -ge 10 ] || fail "the record has $lines normal lines for ten presses"
awk -F, '/,通常/ {print $7}' Sorvane-record.csv | tail -10 >lit.txt
while read -r lit; do
  [ "$lit" -ge 900 ] && [ "$lit" -le 1600 ] || fail "a press 1 s after its position lit was recorded at $lit ms"
done <lit.txt
pass "ten presses, ten lines, lit $(tr '\n' ' ' <lit.txt)"

open_menu
xdotool key i
probe wait 'class:SorvaneSwitchRecord' 5000 >/dev/null || fail "スイッチの記録を見る (&I) opened no window"
probe text 'class:SorvaneSwitchRecord' | grep -q 'スキャン速度 2.0 秒' || fail "no interval suggested: $(probe text 'class:SorvaneSwitchRecord')"
mkdir -p /work/shots && screenshot /work/shots/record-window.png
probe click 'class:SorvaneSwitchRecord' 'この設定にする'
probe gone 'class:SorvaneSwitchRecord' 5000 || fail "the window did not close"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 10 || fail "the panel did not close"
grep -q '^ScanTimer=2' Sorvane.ini || fail "ScanTimer was not changed: $(grep ScanTimer Sorvane.ini)"
pass "the window suggested 2.0 s and applied it"
