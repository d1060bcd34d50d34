# The pause position: held to it and let go, the scan pauses (休止中 in the
# title); a tap then does nothing; a 2.5 s hold resumes, and the tap after it
# presses button 1. JoyToKey hears no button until then.
source "$(dirname "$0")/lib.sh"
new_work scan_pause
write_settings "[ScanMax]" "ScanMax=2" "[Interval]" "ScanTimer=1" "[Sound]" "ON=0" \
  "[Scan]" "Method=1" "PausePosition=1"
use_switch_file
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 2
title() { probe text 'class:TSorvaneForm' | head -1; }
title | grep -q '休止中' && fail "paused before any press: $(title)"
# Held: button 1, button 2, then the pause at 2 s; let go at 2.5 s.
echo 1 >switch
sleep 2.5
echo 0 >switch
sleep 0.6
title | grep -q '休止中' || fail "the pause position did not pause: $(title)"
screenshot paused.png
cp paused.png "$BUILD/pause-screenshot.png" 2>/dev/null || true
echo 1 >switch
sleep 0.3
echo 0 >switch
sleep 1
title | grep -q '休止中' || fail "a tap ended the pause"
echo 1 >switch
sleep 2.5
echo 0 >switch
sleep 0.6
title | grep -q '休止中' && fail "a 2.5 s hold did not resume: $(title)"
echo 1 >switch
sleep 0.3
echo 0 >switch
sleep 1
probe close class:TSorvaneForm
sleep 1
sequence=$(log_messages | grep -E '^3377[89] ' | tr '\n' ';')
[ "$sequence" = "33779 0;33778 0;" ] || fail "JoyToKey saw '$sequence'"
pass "paused at the pause position; a tap did nothing; a 2.5 s hold resumed; the next tap pressed button 1"
