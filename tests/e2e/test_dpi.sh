# At 144 dots per inch the panel is half as large again, its fonts too; the
# size setting multiplies on top. The prefix is set back to 96 afterwards.
source "$(dirname "$0")/lib.sh"
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -w
}
trap 'cleanup; set_dpi 96' EXIT
set_dpi 144

new_work dpi
start_standin
start_panel "$BUILD/Sorvane.exe" 3
read -r _ _ _ _ cw ch < <(probe rect class:TSorvaneForm)
[ "$cw $ch" = "384 33" ] || fail "client size $cw x $ch at 144 dpi, expected 384 x 33 (256 x 22 by 1.5)"
pass "four buttons at 144 dpi: client 384 x 33"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not end"
grep -q '^Scale=1' Sorvane.ini || fail "the scale was not saved"

sed -i 's/^Scale=1/Scale=2/' Sorvane.ini
start_standin
start_panel "$BUILD/Sorvane.exe" 3
read -r _ _ _ _ cw ch < <(probe rect class:TSorvaneForm)
[ "$cw $ch" = "768 66" ] || fail "client size $cw x $ch at 144 dpi and scale 2, expected 768 x 66"
pass "scale 2 on top of 144 dpi: client 768 x 66"

# Back to ×1 from the menu's "大きさ (&Z)": the panel shrinks at once and keeps it.
read -r x y < <(panel_origin)
xdotool mousemove $((x + 12)) $((y + 15)) click 3
probe wait 'class:#32768' 5000 >/dev/null || fail "no popup menu"
xdotool key z Return
probe gone 'class:#32768' 5000 || fail "the menu stayed open"
sleep 0.5
read -r _ _ _ _ cw ch < <(probe rect class:TSorvaneForm)
[ "$cw $ch" = "384 33" ] || fail "client size $cw x $ch after choosing ×1"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not end"
grep -q '^Scale=1' Sorvane.ini || fail "×1 was not saved"
pass "×1 chosen from the menu: client 384 x 33, saved as Scale=1"
