# The switch works while the panel's menu is open: a press and its release
# reach JoyToKey at once, not when the menu closes.
source "$(dirname "$0")/lib.sh"
new_work switch_during_menu
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 1.5  # past the first scan step, onto a button
open_menu
: >JoyToKey.log
python3 "$E2E_DIR/switch_driver.py" switch hold 300 >/dev/null
sleep 0.6
probe count 'class:#32768' | grep -qx 1 || fail "the menu closed by itself"
log_messages | grep -q '^33779 ' || fail "a press with the menu open did not reach JoyToKey"
log_messages | grep -q '^33778 ' || fail "its release did not reach JoyToKey while the menu was open"
xdotool key Escape
probe gone 'class:#32768' 3000 || fail "the menu stayed open"
pass "press and release reached JoyToKey with the menu open: $(log_messages | grep -E '^3377[89] ' | tr '\n' ';')"
