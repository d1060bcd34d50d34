# What the panel leaves for whoever looks into a problem: Sorvane.log with its
# start, the JoyToKey it found and its close; a crash leaves a minidump beside
# the log and says where, in the log and in a box.
source "$(dirname "$0")/lib.sh"
new_work log_and_crash
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 1
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not end after WM_CLOSE"
[ -f Sorvane.log ] || fail "no Sorvane.log beside the settings"
iconv -f CP932 -t UTF-8 Sorvane.log >log.txt
for said in "起動しました" "JoyToKey のウィンドウが見つかりました" "終了しました"; do
  grep -qF "$said" log.txt || fail "the log does not say '$said': $(cat log.txt)"
done
grep -qE '^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\.[0-9]{3} ' log.txt ||
  fail "the log's lines carry no time: $(head -2 log.txt)"
pass "Sorvane.log: start, JoyToKey found and close, each with its time"

start_standin  # the first one quit with the panel
SORVANE_E2E_CRASH=1 start "$BUILD/SorvaneE2E.exe" 3
crashed_pid=${PIDS[-1]}
# Writing the minidump reads the whole process through Wine's server, which
# a loaded machine slows to many seconds.
probe wait 'Sorvane' 60000 >/dev/null ||
  fail "no box after the crash: $(ls -l --time-style=+%T Sorvane-*.dmp 2>&1), log: $(iconv -f CP932 -t UTF-8 Sorvane.log | tail -1)"
box=$(probe text 'Sorvane')
echo "$box" | grep -qF "異常終了しました" || fail "the box says: $box"
dump=$(ls Sorvane-*.dmp 2>/dev/null | head -1)
[ -n "$dump" ] && [ -s "$dump" ] || fail "no minidump beside the log: $(ls)"
iconv -f CP932 -t UTF-8 Sorvane.log | grep -F "異常終了しました。記録:" | grep -qF "$dump" ||
  fail "the log does not name the dump: $(iconv -f CP932 -t UTF-8 Sorvane.log | tail -2)"
probe click 'Sorvane' OK
wait_gone "$crashed_pid" 20 || fail "the crashed panel did not end after its box"
pass "a crash left $dump ($(stat -c %s "$dump") bytes) beside the log, named in the log and the box"
