# A JoyToKey that stops answering for 3 s while taking a press still gets the
# release afterwards, once.
source "$(dirname "$0")/lib.sh"
new_work switch_stalled
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
use_switch_file
start_standin --stall-on 33779 --stall-ms 3000
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 1.5
python3 "$E2E_DIR/switch_driver.py" switch hold 150 >/dev/null
sleep 5
downs=$(log_messages | grep -c '^33779 ' || true)
ups=$(log_messages | grep -c '^33778 ' || true)
[ "$downs" = 1 ] && [ "$ups" = 1 ] || fail "a stalled JoyToKey got $downs presses and $ups releases"
down_at=$(awk '$2 == 33779 {print $1}' JoyToKey.log)
up_at=$(awk '$2 == 33778 {print $1}' JoyToKey.log)
[ "$(awk '$2 == 33778 {print $4}' JoyToKey.log)" = "$(awk '$2 == 33779 {print $4}' JoyToKey.log)" ] ||
  fail "the release was for another button"
[ $((up_at - down_at)) -ge 2900 ] || fail "the release came $((up_at - down_at)) ms after the press"
probe ping class:TSorvaneForm 2000 || fail "the panel does not answer"
pass "the release arrived $((up_at - down_at)) ms after the press, once JoyToKey answered again"
