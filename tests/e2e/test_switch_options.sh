# The switch options as a user meets them: a short press ignored, a repeat
# merged, a longer first position, a scan that rests and a press that wakes it.
source "$(dirname "$0")/lib.sh"
new_work switch_options
use_switch_file
presses() { log_messages | grep -c '^33778 ' || true; }
run_panel() {  # settings lines...; JoyToKey quits with each panel
  write_settings "[Sound]" "ON=0" "$@"
  : >JoyToKey.log
  start_standin
  start_panel "$BUILD/SorvaneE2E.exe" 3
}
end_panel() {
  probe close class:TSorvaneForm
  wait_gone "$panel_pid" 10 || fail "the panel did not close"
  probe gone "JoyToKey " 10000 || fail "JoyToKey did not quit"
}
hold() { python3 "$E2E_DIR/switch_driver.py" switch hold "$1" >/dev/null; }

run_panel "[Interval]" "ScanTimer=1" "[Switch]" "AcceptTime=500"
sleep 1.5
hold 200
sleep 0.5
[ "$(presses)" = 0 ] || fail "AcceptTime=500 let a 200 ms press through"
hold 900
sleep 0.5
[ "$(presses)" = 1 ] || fail "AcceptTime=500 gave $(presses) presses for a 900 ms one"
end_panel
pass "AcceptTime=500: a 200 ms press ignored, a 900 ms one passed"

run_panel "[Interval]" "ScanTimer=1" "[Switch]" "IgnoreRepeat=1500"
sleep 1.5
python3 "$E2E_DIR/switch_driver.py" switch taps 2 150 300 >/dev/null
sleep 0.5
[ "$(presses)" = 1 ] || fail "IgnoreRepeat=1500 gave $(presses) presses for two 300 ms apart"
end_panel
pass "IgnoreRepeat=1500: two presses 300 ms apart were one"

# How long each button stays lit, from screenshots taken in a loop.
run_panel "[Interval]" "ScanTimer=0.5" "[Switch]" "FirstPause=1500"
: >lit.txt
read -r x y < <(panel_origin)
end=$(($(date +%s%3N) + 9000))
while [ "$(date +%s%3N)" -lt "$end" ]; do
  screenshot lit.png
  echo "$(date +%s%3N) $(highlighted lit.png 4 "$x" "$y")" >>lit.txt
done
# Lengths of the whole runs of one button (the first and last runs are cut).
awk 'NR > 1 && $2 != k {if (start) print k, $1 - start; start = $1} {k = $2}' lit.txt | sed 1d >runs.txt
cat runs.txt
first=$(awk '$1 == 1 {print $2; exit}' runs.txt)
other=$(awk '$1 == 3 {print $2; exit}' runs.txt)
[ -n "$first" ] && [ "$first" -ge 1600 ] && [ "$first" -le 2500 ] || fail "button 1 was lit ${first:-?} ms"
[ -n "$other" ] && [ "$other" -ge 250 ] && [ "$other" -le 850 ] || fail "button 3 was lit ${other:-?} ms"
end_panel
pass "FirstPause=1500: button 1 lit $first ms, button 3 $other ms"

run_panel "[Interval]" "ScanTimer=0.5" "[ScanMax]" "ScanMax=2" "[Switch]" "Loops=1"
sleep 2.5  # one cycle of two buttons and the rest after it
screenshot rest1.png
sleep 1.2
screenshot rest2.png
[ "$(highlighted rest1.png 2)" = 0 ] && [ "$(highlighted rest2.png 2)" = 0 ] ||
  fail "Loops=1 did not rest: $(highlighted rest1.png 2) then $(highlighted rest2.png 2) lit"
hold 1300  # a slow release, longer than a cycle
sleep 0.2
screenshot woke.png
[ "$(highlighted woke.png 2)" = 1 ] || fail "the press did not start the scan at button 1"
sleep 0.5
[ "$(log_messages | grep -c '^3377[89] ' || true)" = 0 ] || fail "the press that woke the scan selected a button"
end_panel
pass "Loops=1: rested after a cycle; a press held 1.3 s started it at button 1 and selected nothing"
