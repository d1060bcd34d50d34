# JoyToKey no longer in the folder Sorvane.ini names: the panel starts, finds
# it where it is now, starts it and records the new folder. Moved again while
# the panel runs and killed, it is searched for while the panel goes on, and
# started from where it has gone.
source "$(dirname "$0")/lib.sh"
new_work joytokey_folder_moved
moved_unix="$WINEPREFIX/drive_c/Program Files/Sorvane Moved"
rm -rf "$moved_unix"
mkdir -p "$moved_unix/JoyToKey"
cp "$BUILD/JoyToKey.exe" "$moved_unix/JoyToKey/"
trap 'cleanup; rm -rf "$moved_unix"' EXIT
printf '[UseJoyToKey]\r\n所在フォルダー=C:\\Program Files\\Sorvane Old\\JoyToKey\\\r\n[Interval]\r\nScanTimer=1\r\n[Sound]\r\nON=0\r\n' |
  iconv -f UTF-8 -t CP932 >Sorvane.ini
folder_in() { iconv -f CP932 -t UTF-8 "$1" | tr -d '\r' | sed -n 's/^所在フォルダー=//p'; }

start "$BUILD/SorvaneE2E.exe" 3
panel_pid=${PIDS[-1]}
probe wait class:TSorvaneForm 120000 >/dev/null || fail "no panel after the search"
for _ in $(seq 200); do
  [ -f "$moved_unix/JoyToKey/JoyToKey.log" ] && break
  sleep 0.1
done
[ "$(probe count 'class:#32770')" = 0 ] || fail "a box came up: $(probe text 'class:#32770')"
wait_logged 33788 "$moved_unix/JoyToKey/JoyToKey.log" 20 >/dev/null
[ "$(log_messages "$moved_unix/JoyToKey/JoyToKey.log" | head -3 | paste -sd,)" = "33789 0,33790 0,33788 51" ] ||
  fail "the stand-in heard first: $(log_messages "$moved_unix/JoyToKey/JoyToKey.log" | head -3 | paste -sd,)"
[ "$(folder_in Tramvik.ini)" = 'C:\Program Files\Sorvane Moved\JoyToKey\' ] || fail "Tramvik.ini holds: $(folder_in Tramvik.ini)"
pass "started from a stale folder: found in C:\\Program Files\\Sorvane Moved\\JoyToKey\\ and started"

# Moved again, and gone: the folder it was started from no longer holds it.
standin=""
for pid in $(pgrep -x JoyToKey); do
  if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then standin=$pid; fi
done
[ -n "$standin" ] || fail "no process of the stand-in the panel started"
mv "$moved_unix/JoyToKey" "$moved_unix/Again"
rm -f "$moved_unix/Again/JoyToKey.log"
kill -9 "$standin"
for _ in $(seq 600); do
  iconv -f CP932 -t UTF-8 Sorvane.log | grep -q 'JoyToKey をドライブから探しています（パネルはそのまま使えます）' && break
  sleep 0.1
done
iconv -f CP932 -t UTF-8 Sorvane.log | grep -q 'JoyToKey をドライブから探しています（パネルはそのまま使えます）' ||
  fail "the log never said that the drives are searched"
for _ in $(seq 1200); do
  [ -f "$moved_unix/Again/JoyToKey.log" ] && break
  sleep 0.1
done
[ -f "$moved_unix/Again/JoyToKey.log" ] || fail "JoyToKey was not started from where it had gone: $(iconv -f CP932 -t UTF-8 Sorvane.log | tail -1)"
wait_logged 33788 "$moved_unix/Again/JoyToKey.log" 20 >/dev/null
[ "$(log_messages "$moved_unix/Again/JoyToKey.log" | head -1)" = "33788 51" ] ||
  fail "the stand-in started again heard first: $(log_messages "$moved_unix/Again/JoyToKey.log" | head -3 | paste -sd,)"
[ "$(probe count 'class:#32770')" = 0 ] || fail "a box came up: $(probe text 'class:#32770')"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
[ "$(folder_in Sorvane.ini)" = 'C:\Program Files\Sorvane Moved\Again\' ] || fail "Sorvane.ini holds: $(folder_in Sorvane.ini)"
pass "moved while the panel ran: searched for meanwhile, started from C:\\Program Files\\Sorvane Moved\\Again\\, recorded in Sorvane.ini"
