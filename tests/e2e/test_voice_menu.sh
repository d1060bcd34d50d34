# The voice submenu: Wine's voice refuses to speak, so its choice is shown
# unavailable; choosing recorded prompts is saved.
source "$(dirname "$0")/lib.sh"
new_work voice_menu
write_settings "[Sound]" "ON=0"
SORVANE_E2E_ACCESSIBILITY_FILE="$(winepath -w "$WORK/accessibility.txt" 2>/dev/null)"
export SORVANE_E2E_ACCESSIBILITY_FILE
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 0.5
open_menu
xdotool key v
sleep 0.5
probe send class:TSorvaneForm SorvaneE2EAccessibility >/dev/null || fail "the panel did not answer"
screenshot voice-menu.png
cp voice-menu.png "$BUILD/voice-menu-screenshot.png"
grep '^menu' accessibility.txt | tail -n 12
grep -qP '^menu\t0\t1\tなし \(&N\)$' accessibility.txt || fail "なし is not ticked"
grep -qP '^menu\t0\t0\t録音 \(&R\)$' accessibility.txt || fail "録音 is not offered"
grep -qP '^menu\t1\t0\t録音とシステムの声 \(&S\)$' accessibility.txt || fail "the system's voice is not shown unavailable"
xdotool key r
probe gone 'class:#32768' 3000 || fail "the menu stayed open"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
saved=$(tr -d '\r' <Sorvane.ini | grep -A4 '^\[Voice\]' | tr '\n' ' ')
[ "$saved" = "[Voice] Mode=1 Wait=0 Rate=0 Volume=100 " ] || fail "saved: $saved"
pass "録音とシステムの声 grayed; 録音 chosen and saved as [Voice] Mode=1"
