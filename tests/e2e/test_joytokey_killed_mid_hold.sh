# JoyToKey killed (kill -9) while the user holds a button: the panel starts it
# again from the folder it knows within 5 s, the new one hears the
# configuration number first, the hold cut short presses nothing there, and
# the user's next press arrives.
source "$(dirname "$0")/lib.sh"
new_work joytokey_killed_mid_hold
mkdir -p jtk
cp "$BUILD/JoyToKey.exe" jtk/
folder="$(winepath -w "$WORK/jtk")\\"
printf '[UseJoyToKey]\r\n所在フォルダー=%s\r\n[Interval]\r\nScanTimer=1\r\n[Sound]\r\nON=0\r\n' "$folder" |
  iconv -f UTF-8 -t CP932 >Sorvane.ini
use_switch_file
start_panel "$BUILD/SorvaneE2E.exe" 3
wait_logged 33788 jtk/JoyToKey.log 30 >/dev/null
# The stand-in the panel started: the one whose Wine prefix is this build's.
standin_started_by_panel() {
  local pid
  for pid in $(pgrep -x JoyToKey); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return; }
  done
}
standin=$(standin_started_by_panel)
[ -n "$standin" ] || fail "no process of the stand-in the panel started"
sleep 1.5  # the scan lights a button

echo 1 >switch
wait_logged 33779 jtk/JoyToKey.log 10 >/dev/null
sleep 0.5
killed_at=$(date +%s%3N)
kill -9 "$standin"
sleep 0.3
mv jtk/JoyToKey.log old.log
for _ in $(seq 250); do
  [ -s jtk/JoyToKey.log ] && break
  sleep 0.02
done
heard_at=$(date +%s%3N)
[ -s jtk/JoyToKey.log ] || fail "JoyToKey was not started again within 5 s"
took=$((heard_at - killed_at))
[ "$took" -le 5000 ] || fail "JoyToKey was started again only after $took ms"
sleep 1
[ "$(log_messages jtk/JoyToKey.log | head -1)" = "33788 51" ] ||
  fail "the new JoyToKey heard first: $(log_messages jtk/JoyToKey.log | head -3 | paste -sd,)"
echo 0 >switch
sleep 1
read -r presses ups unreleased < <(joytokey_presses <jtk/JoyToKey.log)
[ "$presses $ups" = "0 0" ] || fail "the hold cut short reached the new JoyToKey: $(log_summary jtk/JoyToKey.log)"
python3 "$E2E_DIR/switch_driver.py" switch taps 1 150 0 >/dev/null
sleep 1.5
read -r presses ups unreleased < <(joytokey_presses <jtk/JoyToKey.log)
[ "$presses $ups $unreleased" = "1 1 0" ] ||
  fail "a tap after the restart gave $presses presses, $ups releases, $unreleased held: $(log_summary jtk/JoyToKey.log)"
[ "$(probe count 'class:#32770')" = 0 ] || fail "a message box came up: $(probe text 'class:#32770')"
kill -0 "$panel_pid" 2>/dev/null || fail "the panel ended"
iconv -f CP932 -t UTF-8 Sorvane.log | grep -q '再起動しました' || fail "the log does not say 再起動しました"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
pass "killed mid-hold: started again after $took ms, told 33788 51 first, the next tap arrived once"
