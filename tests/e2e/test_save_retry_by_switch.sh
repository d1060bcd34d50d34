# The box at close that offers to try the save again, answered by the switch
# alone: it lets the panel end, and what could not be saved is kept in
# Sorvane-unsaved-<date>-<time>.ini beside the settings, named in the log.
source "$(dirname "$0")/lib.sh"
new_work save_retry_by_switch
use_switch_file
write_settings "[Sound]" "ON=0" "[Carer]" "Note=kept"
# chattr +i holds even for root, whom Wine lets write read-only files.
trap 'chattr -i "$WORK/Sorvane.ini" 2>/dev/null || true; cleanup' EXIT
chattr +i Sorvane.ini
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
probe close class:TSorvaneForm
boxes=0
while kill -0 "$panel_pid" 2>/dev/null && [ "$boxes" -lt 6 ]; do
  if probe wait 'class:#32770' 2000 >/dev/null; then
    probe text 'class:#32770' | grep -qF 'もう一度試しますか？' || fail "box at close: $(probe text 'class:#32770')"
    boxes=$((boxes + 1))
    echo 1 >"$WORK/switch"; sleep 0.3; echo 0 >"$WORK/switch"
    probe gone 'class:#32770' 10000 || fail "the switch did not answer the box at close"
  fi
done
wait_gone "$panel_pid" 20 || fail "the panel did not end after $boxes boxes"
[ "$boxes" -ge 1 ] && [ "$boxes" -le 4 ] || fail "$boxes boxes at close"
chattr -i Sorvane.ini
[ "$(tr -d '\r' <Sorvane.ini)" = "$(printf '%s\n' '[Sound]' 'ON=0' '[Carer]' 'Note=kept')" ] || fail "Sorvane.ini changed"
kept=$(ls Sorvane-unsaved-*.ini 2>/dev/null | head -1)
[ -n "$kept" ] || fail "no Sorvane-unsaved-*.ini beside the settings: $(ls)"
[[ "$kept" =~ ^Sorvane-unsaved-[0-9]{8}-[0-9]{6}\.ini$ ]] || fail "named $kept"
grep -q '^ScanMax=4' "$kept" && grep -q '^Note=kept' "$kept" || fail "$kept holds: $(cat "$kept")"
iconv -f CP932 -t UTF-8 Sorvane.log | grep -qF "保存できなかった設定を" || fail "the log names no kept file"
iconv -f CP932 -t UTF-8 Sorvane.log | grep -qF "$kept" || fail "the log does not name $kept"
pass "the save retry at close answered by the switch ($boxes box(es)): the panel ended, the settings kept in $kept"
