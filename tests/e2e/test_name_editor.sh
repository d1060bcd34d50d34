# The name editor opened from the menu: a name typed (the byte limit holds, a
# character Shift-JIS cannot hold is refused), OK, and the button shows it; a
# long name edited is kept whole; the names are saved at close.
source "$(dirname "$0")/lib.sh"
new_work name_editor
long=$(printf 'n%.0s' $(seq 600))
write_settings "[Sound]" "ON=0" "[Interval]" "ScanTimer=5" "[BtnName]" "Name2=$long"
start_standin
start_panel "$BUILD/Sorvane.exe" 3
sleep 0.5
open_menu
xdotool key e
probe wait class:TNameForm 5000 >/dev/null || fail "the name editor did not open"
probe text class:TNameForm | head -1 | grep -qx 'ボタン名編集' || fail "editor caption"
read -r _ _ w h _ _ < <(probe rect class:TNameForm)
# The design's size, wider where the font needs it for the names.
[ "$h" = 349 ] && [ "$w" -ge 276 ] && [ "$w" -le 340 ] || fail "editor size $w x $h"
read -r style _ < <(probe style class:TNameForm)
(( (0x$style & 0x00080000) == 0 )) || fail "the editor has caption-bar buttons"
sleep 0.3
xdotool key End BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 60 "Tea"
xdotool type --delay 150 "é"
xdotool type --delay 60 "abcdefgh"
xdotool key Tab End BackSpace
sleep 0.5
screenshot editor.png
cp editor.png "$BUILD/editor-screenshot.png"
probe text class:TNameForm | grep -qx 'Teaabcde' || fail "the field does not hold 8 bytes: $(probe text class:TNameForm | tr '\n' ' ')"
probe click class:TNameForm OK
probe gone class:TNameForm 5000 || fail "OK did not close the editor"
sleep 0.3
probe text class:TSorvaneForm | grep -qx 'Teaabcde' || fail "button 1 does not show the new name"
screenshot named.png
cp named.png "$BUILD/named-screenshot.png"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
grep -q '^Name1=Teaabcde' Sorvane.ini || fail "the name was not saved"
name2=$(grep '^Name2=' Sorvane.ini | tr -d '\r')
[ "${#name2}" = $((6 + 599)) ] || fail "Name2 of 600 bytes less one came back with $(( ${#name2} - 6 ))"
pass "typed 'Teaéabcdefgh', the field kept 'Teaabcde'; OK showed it on button 1; saved as Name1; a 600-byte name less one saved whole"
