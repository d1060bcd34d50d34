# Where the settings live. Started from another working folder, the panel
# reads and writes its files beside its program; with that folder unwritable
# they go to %APPDATA%\Sorvane\ (the carer told once) and survive a restart;
# a linked settings file stays a link; a read-only one is named so at close,
# and at the end of a Windows session it costs no box and no wait; a folder
# named Sorvane.ini is named so at start.
source "$(dirname "$0")/lib.sh"
new_work settings_location
mkdir prog elsewhere target
cp "$BUILD/Sorvane.exe" "$BUILD/Zoboclick.wav" prog/
PROG="$WORK/prog"
immutable=()
# chattr +i holds even for root, whom Wine lets write read-only files.
lock() { chattr +i "$@"; immutable+=("$@"); }
unlock_all() { [ "${#immutable[@]}" = 0 ] || chattr -i "${immutable[@]}" 2>/dev/null || true; immutable=(); }
trap 'unlock_all; cleanup' EXIT
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')" 2>/dev/null)
[ -d "$appdata" ] || fail "no APPDATA folder ($appdata)"
rm -rf "$appdata/Sorvane"
ini_text() { iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'; }
client_width() { probe rect class:TSorvaneForm | awk '{print $5}'; }

printf '%s\r\n' "[ScanMax]" "ScanMax=3" "[BtnName]" "Name1=いち" | iconv -f UTF-8 -t CP932 >prog/Sorvane.ini
cd "$WORK/elsewhere"
start_standin
start_panel "$PROG/Sorvane.exe" 3
[ "$(client_width)" = 196 ] || fail "client width $(client_width): the settings beside the program were not read"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
ini_text "$PROG/Sorvane.ini" | grep -q '^Ver=' || fail "the settings beside the program were not saved"
[ -s "$PROG/Sorvane.log" ] || fail "no Sorvane.log beside the program"
[ -z "$(ls -A "$WORK/elsewhere" | grep -v '^wine-errors.log$\|^JoyToKey.log$')" ] ||
  fail "files written in the working folder: $(ls "$WORK/elsewhere")"
pass "started from another folder: the files beside the program read and written, nothing in the working folder"

lock "$PROG"
start_standin
start "$PROG/Sorvane.exe" 3
panel_pid=${PIDS[-1]}
probe wait 'class:#32770' 20000 >/dev/null || fail "the carer was not told where the settings go"
text=$(probe text 'class:#32770')
echo "$text" | grep -qF 'AppData\Roaming\Sorvane\' || fail "box text: $text"
probe click 'class:#32770' OK
probe wait class:TSorvaneForm 20000 >/dev/null || fail "no panel after the box"
[ "$(client_width)" = 196 ] || fail "client width $(client_width): the settings were not carried over"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
[ "$(probe count 'class:#32770')" = 0 ] || fail "a box came up at close: $(probe text 'class:#32770')"
ini_text "$appdata/Sorvane/Sorvane.ini" | grep -q '^Name1=いち' || fail "the settings were not saved in APPDATA"
[ -s "$appdata/Sorvane/Sorvane.log" ] || fail "no Sorvane.log in APPDATA"
sed -i 's/^ScanMax=3/ScanMax=5/' "$appdata/Sorvane/Sorvane.ini"
start_standin
start_panel "$PROG/Sorvane.exe" 3
[ "$(probe count 'class:#32770')" = 0 ] || fail "the carer was told a second time: $(probe text 'class:#32770')"
[ "$(client_width)" = 316 ] || fail "client width $(client_width): the settings in APPDATA were not read"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
ini_text "$appdata/Sorvane/Sorvane.ini" | grep -q '^ScanMax=5' || fail "the restart lost ScanMax"
unlock_all
rm -rf "$appdata/Sorvane"
pass "program folder unwritable: carried over to APPDATA\\Sorvane, told once, no box at close, kept over a restart"

rm "$PROG/Sorvane.ini"
printf '%s\r\n' "[ScanMax]" "ScanMax=2" >"$WORK/target/carer.ini"
ln -s ../target/carer.ini "$PROG/Sorvane.ini"
start_standin
start_panel "$PROG/Sorvane.exe" 3
[ "$(client_width)" = 136 ] || fail "client width $(client_width): the link's target was not read"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
[ -L "$PROG/Sorvane.ini" ] || fail "the link was replaced by a plain file"
[ "$(readlink "$PROG/Sorvane.ini")" = ../target/carer.ini ] || fail "the link points elsewhere"
ini_text "$WORK/target/carer.ini" | grep -q '^Ver=' || fail "the target does not hold the saved values"
pass "a linked settings file: the link kept, its target saved"

rm "$PROG/Sorvane.ini"
printf '%s\r\n' "[ScanMax]" "ScanMax=2" >"$PROG/Sorvane.ini"
cp "$PROG/Sorvane.ini" carers.ini
lock "$PROG/Sorvane.ini"
start_standin
start_panel "$PROG/Sorvane.exe" 3
probe close class:TSorvaneForm
probe wait 'class:#32770' 20000 >/dev/null || fail "no box for a read-only settings file"
text=$(probe text 'class:#32770')
echo "$text" | grep -qF '読み取り専用です' || fail "box text: $text"
echo "$text" | grep -qF '使用中' && fail "box text names another program: $text"
probe click 'class:#32770' 'キャンセル' || probe click 'class:#32770' 'Cancel'
wait_gone "$panel_pid" 20 || fail "the panel did not close after Cancel"
pass "a read-only settings file is named so at close"

start_standin
start_panel "$PROG/Sorvane.exe" 3
sent=$(probe endsession class:TSorvaneForm)
for _ in $(seq 100); do kill -0 "$panel_pid" 2>/dev/null || break; sleep 0.01; done
took=$(($(date +%s%3N) - sent))
kill -0 "$panel_pid" 2>/dev/null && fail "the panel still runs ${took} ms after the session ended ($(probe text 'class:#32770' | tr '\n' ' '))"
[ "$took" -le 1000 ] || fail "the panel took ${took} ms to end with the session"
cmp -s "$PROG/Sorvane.ini" carers.ini || fail "the read-only file changed"
iconv -f CP932 -t UTF-8 "$PROG/Sorvane.log" | grep -q '書き込めません（読み取り専用です）' || fail "the lost save is not in the log"
pass "session end with a read-only settings file: ended in ${took} ms, no box, the loss in the log"

unlock_all
rm "$PROG/Sorvane.ini"
mkdir "$PROG/Sorvane.ini"
start_standin
start "$PROG/Sorvane.exe" 3
panel_pid=${PIDS[-1]}
probe wait 'class:#32770' 20000 >/dev/null || fail "no box for a folder named Sorvane.ini"
text=$(probe text 'class:#32770')
echo "$text" | grep -qF '同じ名前のフォルダーがあります' || fail "box text: $text"
echo "$text" | grep -qF '使用中' && fail "box text names another program: $text"
probe click 'class:#32770' OK
probe wait class:TSorvaneForm 20000 >/dev/null || fail "no panel after the box"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
[ -d "$PROG/Sorvane.ini" ] || fail "the folder named Sorvane.ini was replaced"
pass "a folder named Sorvane.ini is named so"
