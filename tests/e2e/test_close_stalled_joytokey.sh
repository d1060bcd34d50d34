# Closing the panel while JoyToKey is busy taking a press leaves no key held
# at JoyToKey: the release and the quit reach it once it answers again, after
# the panel has gone, whether the panel was asked to close or the Windows
# session ends.
source "$(dirname "$0")/lib.sh"

STALL=8000
faults=()

close_during_stall() {
  local how=$1 line stalled asked gone last
  new_work "close_stalled_$how"
  write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
  use_switch_file
  start_standin_named busy --unix-time --stall-on 33779 --stall-ms "$STALL"
  local standin=$standin_pid
  start_panel "$BUILD/SorvaneE2E.exe" 3
  wait_highlight 1 4
  python3 "$E2E_DIR/switch_driver.py" switch taps 1 80 0 >/dev/null
  line=$(wait_logged 33779 busy.log 30)
  stalled=$(echo "$line" | awk '{print $5}')
  asked=$(date +%s%3N)
  probe "$how" class:TSorvaneForm >/dev/null
  wait_gone "$panel_pid" 20 || faults+=("$how: the panel did not close")
  gone=$(date +%s%3N)
  wait_gone "$standin" 20 || { faults+=("$how: JoyToKey did not quit"); kill "$standin" 2>/dev/null || true; }
  # The stick reports aside, JoyToKey's last three messages.
  last=$(log_messages busy.log | awk '$1 != 33768 {print $1}' | tail -3 | tr '\n' ' ')
  echo "$how: asked $((asked - stalled)) ms into the stall, the panel gone $((gone - asked)) ms later;" \
    "JoyToKey got: $(log_summary busy.log), ending ${last}; the log: $(iconv -f CP932 -t UTF-8 Sorvane.log | grep -F 'ポスト' || true)"
  [ "$last" = "33779 33778 18 " ] || faults+=("$how: JoyToKey's messages end $last")
  [ $((gone - stalled)) -lt "$STALL" ] || faults+=("$how: the panel waited for the stall's end")
  cd "$BUILD"
}

close_during_stall close
close_during_stall endsession

[ "${#faults[@]}" = 0 ] || fail "$(printf '\n  %s' "${faults[@]}")"
pass "closed or ended with the session while JoyToKey was busy with a press, the panel went before JoyToKey answered, and JoyToKey then got the release and the quit"
