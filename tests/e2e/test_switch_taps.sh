# Short taps each reach JoyToKey as one press and one release, soon after the
# switch closes; closing the panel while the switch is held releases it first.
source "$(dirname "$0")/lib.sh"
new_work switch_taps
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
use_switch_file
start "$BUILD/JoyToKey.exe" --log "$WORK/JoyToKey.log" --unix-time
probe wait "JoyToKey " 20000 >/dev/null || fail "the stand-in did not open its window"
start_panel "${SORVANE_PANEL:-$BUILD/SorvaneE2E.exe}" 3
read -r x y < <(panel_origin)
wait_highlight() {
  for _ in $(seq 60); do
    screenshot now.png
    [ "$(highlighted now.png 4 "$x" "$y")" = "$1" ] && return 0
    sleep 0.1
  done
  fail "the highlight never reached button $1"
}
wait_highlight 1
# Every press restarts the 1 s scan interval, so the highlight stays on the
# button of the first press for as long as no press is lost.
python3 "$E2E_DIR/switch_driver.py" switch taps 40 40 300 >pressed.txt
sleep 0.6
k=$(awk '$2 == 33779 {print $4; exit}' JoyToKey.log)
downs=$(log_messages | grep -c "^33779 $k\$" || true)
ups=$(log_messages | grep -c "^33778 $k\$" || true)
others=$(log_messages | grep -E '^3377[89] ' | grep -vc " $k\$" || true)
[ "$downs" = 40 ] && [ "$ups" = 40 ] && [ "$others" = 0 ] ||
  fail "40 taps of 40 ms gave $downs presses and $ups releases of button $((k + 1)), $others of others"
# Press and release alternate.
order=$(log_messages | grep -E '^3377[89] ' | awk '{print $1}' | uniq -c | awk '$1 != 1' | wc -l)
[ "$order" = 0 ] || fail "presses and releases did not alternate"

# Latency: from writing the switch to JoyToKey's log of the press.
awk '$2 == 33779 {print $5}' JoyToKey.log >delivered.txt
paste pressed.txt delivered.txt | awk '{print $2 - $1}' | sort -n >latency.txt
read -r lmin lmed lmax < <(awk '{a[NR] = $1} END {print a[1], a[int((NR + 1) / 2)], a[NR]}' latency.txt)
echo "press to JoyToKey over 40 taps: min $lmin ms, median $lmed ms, max $lmax ms"
[ "$lmed" -le 60 ] || fail "the median press took $lmed ms to reach JoyToKey"
pass "40 taps of 40 ms: 40 presses and 40 releases of button $((k + 1)), in turn"

# Held while the panel closes: the release goes before the quit.
echo 1 >switch
sleep 0.5
probe close class:TSorvaneForm
wait_gone "$panel_pid" 10 || fail "the panel did not close"
sleep 0.3
held=$(awk '$2 == 33779 {k = $4} END {print k}' JoyToKey.log)
tail -2 JoyToKey.log | awk '{print $2, $4}' | tr '\n' ';' >end.txt
[ "$(cat end.txt)" = "33778 $held;18 0;" ] || fail "closing while button $((held + 1)) was held ended with $(cat end.txt)"
pass "closing while held: release, then quit"
