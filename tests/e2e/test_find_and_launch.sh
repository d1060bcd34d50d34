# No JoyToKey running and no folder stored: the panel finds the program file
# deep in drive C:, records it, starts it hidden and tells it twice; at close
# the folder is saved, and the next start uses it without a search.
source "$(dirname "$0")/lib.sh"
new_work find_and_launch
deep_unix="$WINEPREFIX/drive_c/Program Files/Sorvane Test/Tools/Input/JoyToKey"
deep_windows='C:\Program Files\Sorvane Test\Tools\Input\JoyToKey\'
rm -rf "$WINEPREFIX/drive_c/Program Files/Sorvane Test"
mkdir -p "$deep_unix"
cp "$BUILD/JoyToKey.exe" "$deep_unix/JoyToKey.exe"
trap 'cleanup; rm -rf "$WINEPREFIX/drive_c/Program Files/Sorvane Test"' EXIT
write_settings "[Sound]" "ON=0"
# A copy of the panel away from the build folder, where the stand-in lies:
# the shell also looks for "JoyToKey" beside the running program.
cp "$BUILD/Sorvane.exe" "$WORK/"

start "$WORK/Sorvane.exe" 3
panel_pid=${PIDS[-1]}
probe wait class:TSorvaneForm 120000 >/dev/null || fail "no panel after the search"
[ "$(probe count 'class:#32770')" = 0 ] || fail "a warning came up: $(probe text 'class:#32770')"
[ -f Tramvik.ini ] || fail "Tramvik.ini not written"
recorded=$(iconv -f CP932 -t UTF-8 Tramvik.ini | tr -d '\r')
[ "$recorded" = "[UseJoyToKey]
所在フォルダー=$deep_windows" ] || fail "Tramvik.ini holds: $recorded"
sleep 0.5
head -3 "$deep_unix/JoyToKey.log" | awk '{print $2, $4}' | tr '\n' ';' >first.txt
[ "$(cat first.txt)" = "33789 0;33790 0;33788 51;" ] || fail "JoyToKey's log began: $(cat first.txt)"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
grep -qF "所在フォルダー=$deep_windows" <(iconv -f CP932 -t UTF-8 Sorvane.ini | tr -d '\r') ||
  fail "Sorvane.ini does not hold the folder"
sleep 1
tail -1 "$deep_unix/JoyToKey.log" | grep -q ' 18 0 0$' || fail "JoyToKey was not told to quit"
pass "found in $deep_windows, recorded in Tramvik.ini and Sorvane.ini; log began $(cat first.txt)"

rm Tramvik.ini
: >"$deep_unix/JoyToKey.log"
start "$WORK/Sorvane.exe" 3
panel_pid=${PIDS[-1]}
probe wait class:TSorvaneForm 30000 >/dev/null || fail "no panel on the second start"
sleep 0.5
[ ! -f Tramvik.ini ] || fail "the second start searched again"
[ "$(head -2 "$deep_unix/JoyToKey.log" | awk '{print $2}' | tr '\n' ' ')" = "33789 33790 " ] ||
  fail "the second start did not launch JoyToKey from the stored folder"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
pass "the second start launched from the stored folder without a search"
