# Contacts that bounce as the switch opens end one press, not two: a 500 ms
# hold, then open and closed by turns every 5 ms for 100 ms, then open, gives
# JoyToKey exactly one press and one release, every time. Twenty runs: the
# bounce is read at a phase of its own each time, and only some phases split it.
source "$(dirname "$0")/lib.sh"
new_work switch_release_chatter
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
wait_highlight 1 4
results=()
wrong=0
for _ in $(seq 20); do
  mark=$(wc -l <JoyToKey.log)
  python3 "$E2E_DIR/switch_driver.py" switch release-chatter 500 100 5 >/dev/null
  # Long enough for the release of a second press to arrive.
  sleep 0.6
  read -r presses ups unreleased < <(tail -n +$((mark + 1)) JoyToKey.log | joytokey_presses)
  results+=("$presses/$ups")
  [ "$presses $ups $unreleased" = "1 1 0" ] || wrong=$((wrong + 1))
done
echo "presses/releases at JoyToKey in each of 20 runs: ${results[*]}"
[ "$wrong" = 0 ] || fail "$wrong of 20 bouncing releases did not give exactly one press and one release"
pass "20 bouncing releases: one press and one release each"
