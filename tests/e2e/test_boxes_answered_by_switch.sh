# No JoyToKey anywhere, and nobody to click: each box the panel shows is
# answered by the switch alone (a press made once the box is up), and the
# panel ends as without the switch, its settings saved.
source "$(dirname "$0")/lib.sh"
new_work boxes_answered_by_switch
use_switch_file
write_settings "[Sound]" "ON=0" "[Carer]" "Note=kept"
# Away from the build folder, where the stand-in lies.
cp "$BUILD/SorvaneE2E.exe" "$WORK/"
press() { echo 1 >"$WORK/switch"; sleep 0.3; echo 0 >"$WORK/switch"; }
# Waits for a box saying $1, then answers it with the switch and waits for it to go.
answer_by_switch() {
  local text=""
  for _ in $(seq 1200); do
    text=$(probe text 'class:#32770' 2>/dev/null) || true
    echo "$text" | grep -qF "$1" && break
    sleep 0.1
  done
  echo "$text" | grep -qF "$1" || fail "no box saying $1 (last: $text)"
  [ -z "${2:-}" ] || screenshot "$2"
  press
  for _ in $(seq 200); do
    probe text 'class:#32770' 2>/dev/null | grep -qF "$1" || return 0
    sleep 0.1
  done
  fail "the switch did not answer the box saying $1"
}
start "$WORK/SorvaneE2E.exe" 3
panel_pid=${PIDS[-1]}
answer_by_switch 'JoyToKeyがインストールされていません' "$WORK/box.png"
answer_by_switch '「Kelpimo。」を接続するか'
probe wait class:TSorvaneForm 20000 >/dev/null || fail "the panel was not shown after the warnings"
answer_by_switch '「Kelpimo。」を接続して'
wait_gone "$panel_pid" 20 || fail "the panel did not end"
grep -q '^ScanMax=4' Sorvane.ini || fail "settings not saved on the way out"
grep -q '^Note=kept' Sorvane.ini || fail "the carer's note was lost"
pass "not installed, the launch warning and the tick's warning each answered by the switch; the panel ended, settings saved"
