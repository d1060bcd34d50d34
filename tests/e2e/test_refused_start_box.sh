# A second start that is refused and whose box is left open does not keep the
# next start out once the first panel has ended.
source "$(dirname "$0")/lib.sh"
new_work refused_start_box
start_standin
start_panel "$BUILD/Sorvane.exe" 3
first_pid=$panel_pid
start "$BUILD/Sorvane.exe" 3
refused_pid=${PIDS[-1]}
probe wait 'class:#32770' 20000 >/dev/null || fail "no box for the second start"
probe text 'class:#32770' | grep -qF '二重起動は出来ません。' || fail "not the duplicate-start box"

probe close class:TSorvaneForm
wait_gone "$first_pid" 20 || fail "the first panel did not close"
start_standin  # the first panel's close made it quit
start_panel "$BUILD/Sorvane.exe" 3
third_pid=$panel_pid
kill -0 "$refused_pid" || fail "the refused start ended on its own"
[ "$(probe count 'class:#32770')" = 1 ] || fail "the third start was refused too"
pass "with the refused start's box still open, the next start after the first panel ended runs"

probe click 'class:#32770' OK
wait_gone "$refused_pid" 20 || fail "the refused start did not end after its box"
kill -0 "$third_pid" || fail "the running panel ended with the refused start"
pass "dismissing the old box ends only the refused start"
