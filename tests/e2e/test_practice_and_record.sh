# Practice sends nothing to JoyToKey while the selected button flashes; with
# the record on, ten presses give ten lines whose lit times match the presses;
# a spreadsheet reads the record's Japanese columns; the record window opens
# from the menu, and "この設定にする" changes ScanTimer.
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
# A press in the first 300 ms of a position counts, in the figures, as meant
# for the one before: both presses here come later than that.
sleep 0.4
: >JoyToKey.log
# A screenshot takes 150 ms or more here: the 300 ms flash is watched on one
# pixel of button 1, read every few milliseconds from just before the press.
python3 "$E2E_DIR/pixel_watch.py" $((x + 24)) $((y + 4)) 2500 >flash.txt 2>watching.txt &
watcher=$!
until grep -q watching watching.txt; do sleep 0.02; done
python3 "$E2E_DIR/switch_driver.py" switch hold 150 >/dev/null
wait "$watcher" || fail "the pixel could not be watched: $(cat watching.txt)"
# Highlighted yellow, inverted to blue for 300 ms, then yellow again.
flash=$(awk '$1 == "0000FF" {print $3 - $2 + 1}' flash.txt | sort -n | tail -1)
[ -n "$flash" ] || fail "the selected button did not flash inverted: $(tr '\n' ' ' <flash.txt)"
[ "$flash" -ge 200 ] && [ "$flash" -le 500 ] || fail "the flash lasted $flash ms: $(tr '\n' ' ' <flash.txt)"
[ "$(tail -1 flash.txt | cut -d' ' -f1)" = FFFF00 ] || fail "the button did not come back highlighted: $(tr '\n' ' ' <flash.txt)"
[ ! -s JoyToKey.log ] || fail "practice sent to JoyToKey: $(log_messages | head -3)"
pass "practice: the button flashed for $flash ms, JoyToKey heard nothing"
open_menu
menu_closed=$(date +%s%3N)
xdotool key p  # normal again
sleep 0.5

# Ten presses 1.2 s apart. The scan restarts its interval on the lit position
# when the menu closes and at each selection (made at the tick after the
# press, up to 200 ms later), and the record times each press from there.
python3 "$E2E_DIR/switch_driver.py" switch taps 10 200 1000 >pressed.txt
sleep 0.5
lines=$(grep -c ',通常' Sorvane-record.csv || true)
[ "$lines" = 10 ] || fail "the record has $lines normal lines for ten presses"
awk -F, '/,通常/ {print $7}' Sorvane-record.csv >lit.txt
previous=$menu_closed
paste pressed.txt lit.txt >presses.txt
while read -r pressed lit; do
  gap=$((pressed - previous))
  if [ "$previous" = "$menu_closed" ]; then
    [ "$lit" -ge 0 ] && [ "$lit" -le $((gap + 50)) ] ||
      fail "the first press, $gap ms after the menu closed, was recorded lit $lit ms"
  else
    [ "$lit" -ge $((gap - 260)) ] && [ "$lit" -le $((gap + 50)) ] ||
      fail "a press $gap ms after the one before was recorded lit $lit ms"
  fi
  previous=$pressed
done <presses.txt
pass "ten presses, ten lines, lit $(tr '\n' ' ' <lit.txt)"
# A spreadsheet that honours the byte-order mark reads the Japanese columns.
python3 - Sorvane-record.csv <<'PY' || fail "the record does not read as UTF-8 with its byte-order mark"
import csv, sys
rows = list(csv.reader(open(sys.argv[1], encoding="utf-8-sig", newline="")))
assert rows[0][0] == "日時" and rows[0][3] == "判定", rows[0]
assert all(row[3] == "受付" and row[8] in ("通常", "練習") for row in rows[1:]), rows[1]
PY
pass "the record reads with utf-8-sig: $(head -1 Sorvane-record.csv | cut -d, -f1-4)"

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
