# A JoyToKey that stops answering does not freeze the panel.
source "$(dirname "$0")/lib.sh"
new_work hung_joytokey
start_standin --hang
start "$BUILD/Sorvane.exe" 3
panel_pid=${PIDS[-1]}
probe wait class:TSorvaneForm 30000 >/dev/null || fail "no panel beside a hung JoyToKey"
for i in 1 2 3 4 5 6; do
  probe ping class:TSorvaneForm 3000 || fail "the panel did not answer (try $i)"
  sleep 0.5
done
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close beside a hung JoyToKey"
pass "the panel answered six times in three seconds and closed"
