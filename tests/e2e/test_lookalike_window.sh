# A window of another program whose title begins like JoyToKey's gets nothing
# from the panel, not the presses and not the quit at close.
source "$(dirname "$0")/lib.sh"
new_work lookalike
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
use_switch_file
echo "notes" >"JoyToKey help.txt"
# Notepad opens first, so the search meets it after JoyToKey's window.
start notepad "JoyToKey help.txt"
probe wait "JoyToKey help.txt" 20000 >/dev/null || fail "Notepad did not open"
start "$BUILD/JoyToKey.exe" --log "$WORK/JoyToKey.log"
probe wait "(stand-in)" 20000 >/dev/null || fail "the stand-in did not open its window"
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 1.5
python3 "$E2E_DIR/switch_driver.py" switch hold 150 >/dev/null
sleep 0.6
probe close class:TSorvaneForm
wait_gone "$panel_pid" 10 || fail "the panel did not close"
sleep 0.5
probe count "JoyToKey help.txt" | grep -qx 1 || fail "Notepad showing JoyToKey help.txt was closed"
grep -q ' 33779 ' JoyToKey.log || fail "JoyToKey itself got no press"
tail -1 JoyToKey.log | grep -q ' 18 0 0$' || fail "JoyToKey itself was not told to quit"
pass "Notepad titled 'JoyToKey help.txt' was left alone; JoyToKey got the press and the quit"
