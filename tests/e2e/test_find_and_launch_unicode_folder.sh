# JoyToKey in a folder whose name Shift-JIS cannot hold ("Zoë"): the panel
# finds it, starts it from there and records the folder in its own characters
# (the settings files become UTF-8 with a byte-order mark), without a box; the
# next start launches it from the stored folder without a search.
source "$(dirname "$0")/lib.sh"
new_work find_and_launch_unicode_folder
home_unix="$WINEPREFIX/drive_c/users/Zoë"
folder_unix="$home_unix/JoyToKey"
folder_windows='C:\users\Zoë\JoyToKey\'
rm -rf "$home_unix"
mkdir -p "$folder_unix"
cp "$BUILD/JoyToKey.exe" "$folder_unix/JoyToKey.exe"
trap 'cleanup; rm -rf "$home_unix"' EXIT
write_settings "[Sound]" "ON=0"
# Away from the build folder, where the shell would find the stand-in too.
cp "$BUILD/Sorvane.exe" "$WORK/"

# The UTF-8 text of a settings file that must begin with the mark.
utf8_with_mark() {
  [ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "$1 is not UTF-8 with a mark"
  tail -c +4 "$1" | iconv -f UTF-8 -t UTF-8 | tr -d '\r' || fail "$1 is not UTF-8"
}
no_box() {
  [ "$(probe count 'class:#32770')" = 0 ] || fail "$1: a box came up: $(probe text 'class:#32770')"
}

start "$WORK/Sorvane.exe" 3
panel_pid=${PIDS[-1]}
probe wait class:TSorvaneForm 120000 >/dev/null ||
  fail "no panel after the search; shown instead: $(probe text 'class:#32770' | tr '\n' ' ')"
no_box "first start"
[ -f Tramvik.ini ] || fail "Tramvik.ini not written"
recorded=$(utf8_with_mark Tramvik.ini)
[ "$recorded" = "[UseJoyToKey]
所在フォルダー=$folder_windows" ] || fail "Tramvik.ini holds: $recorded"
sleep 0.5
[ "$(head -3 "$folder_unix/JoyToKey.log" 2>/dev/null | awk '{print $2, $4}' | tr '\n' ';')" = \
  "33789 0;33790 0;33788 51;" ] || fail "JoyToKey was not launched from $folder_windows"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
saved=$(utf8_with_mark Sorvane.ini)
grep -qxF "所在フォルダー=$folder_windows" <<<"$saved" || fail "Sorvane.ini does not hold the folder"
grep -qxF "ON=0" <<<"$saved" || fail "Sorvane.ini lost the carer's line"
pass "found and launched in $folder_windows, recorded in UTF-8 in Tramvik.ini and Sorvane.ini"

rm Tramvik.ini
: >"$folder_unix/JoyToKey.log"
start "$WORK/Sorvane.exe" 3
panel_pid=${PIDS[-1]}
probe wait class:TSorvaneForm 30000 >/dev/null || fail "no panel on the second start"
no_box "second start"
sleep 0.5
[ ! -f Tramvik.ini ] || fail "the second start searched again"
[ "$(head -2 "$folder_unix/JoyToKey.log" | awk '{print $2}' | tr '\n' ' ')" = "33789 33790 " ] ||
  fail "the second start did not launch JoyToKey from the stored folder"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
grep -qxF "所在フォルダー=$folder_windows" <<<"$(utf8_with_mark Sorvane.ini)" ||
  fail "the second close lost the folder"
pass "the second start launched from the stored folder without a search or a box"
