# A program folder whose name Shift-JIS cannot hold ("café テスト"): started
# from another working folder, the panel reads and saves the settings beside
# the program, keeps its log there, ticks the logon item with the real path
# in the Run value, and a box names the folder as it is.
source "$(dirname "$0")/lib.sh"
new_work unicode_program_folder
PROG="$WORK/café テスト"
mkdir -p "$PROG" elsewhere
cp "$BUILD/Sorvane.exe" "$BUILD/Zoboclick.wav" "$PROG/"
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
# Exported, since reg query prints in the console's code page: UTF-16, with
# the .reg file's quotes and doubled backslashes undone.
run_value() {
  rm -f "$WORK/run.reg"
  wine reg export "$RUN_KEY" "$(winepath -w "$WORK/run.reg" 2>/dev/null)" /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$WORK/run.reg" | tr -d '\r' | sed -n 's/^"Sorvane"="\(.*\)"$/\1/p' |
    sed 's/\\\\/\\/g; s/\\"/"/g'
}
forget_value() { wine reg delete "$RUN_KEY" /v Sorvane /f >/dev/null 2>&1 || true; }
trap 'chattr -i "$PROG/Sorvane.ini" 2>/dev/null || true; forget_value; cleanup' EXIT
forget_value
client_width() { probe rect class:TSorvaneForm | awk '{print $5}'; }
printf '%s\r\n' "[ScanMax]" "ScanMax=3" >"$PROG/Sorvane.ini"
cd "$WORK/elsewhere"

start_standin
start_panel "$PROG/Sorvane.exe" 3
[ "$(probe count 'class:#32770')" = 0 ] || fail "a box came up: $(probe text 'class:#32770' | tr '\n' ' ')"
[ "$(client_width)" = 196 ] || fail "client width $(client_width): the settings beside the program were not read"
expected="\"$(winepath -w "$PROG/Sorvane.exe" 2>/dev/null)\" 3"
open_menu
xdotool key l
for _ in $(seq 100); do [ -n "$(run_value)" ] && break; sleep 0.1; done
[ "$(run_value)" = "$expected" ] || fail "the Run value is '$(run_value)', not '$expected'"
pass "the Run value is the real path: $expected"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
tr -d '\r' <"$PROG/Sorvane.ini" | grep -q '^Ver=' || fail "the settings beside the program were not saved"
tr -d '\r' <"$PROG/Sorvane.ini" | grep -q '^ScanMax=3' || fail "the saved settings lost ScanMax"
[ -s "$PROG/Sorvane.log" ] || fail "no Sorvane.log beside the program"
[ -z "$(ls -A "$WORK/elsewhere" | grep -v '^wine-errors.log$\|^JoyToKey.log$')" ] ||
  fail "files written in the working folder: $(ls "$WORK/elsewhere")"
pass "the settings and the log beside the program are read and written there"

# chattr +i holds even for root, whom Wine lets write read-only files.
chattr +i "$PROG/Sorvane.ini"
start_standin
start_panel "$PROG/Sorvane.exe" 3
probe close class:TSorvaneForm
probe wait 'class:#32770' 20000 >/dev/null || fail "no box for a read-only settings file"
text=$(probe text 'class:#32770')
echo "$text" | grep -qF "café テスト\\Sorvane.ini に書き込めません" || fail "box text: $text"
echo "$text" | grep -qF '読み取り専用です' || fail "box text: $text"
probe click 'class:#32770' 'キャンセル' || probe click 'class:#32770' 'Cancel'
wait_gone "$panel_pid" 20 || fail "the panel did not close after Cancel"
chattr -i "$PROG/Sorvane.ini"
pass "a box names the folder as it is"
