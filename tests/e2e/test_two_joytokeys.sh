# With a second JoyToKey started beside the one the panel found, the panel
# keeps to the first whichever of them is raised, even in the middle of a
# press: the first gets every press, each press's release and the quit at
# close; the second gets nothing at all.
source "$(dirname "$0")/lib.sh"
new_work two_joytokeys
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
use_switch_file
start_standin_named first
start_panel "$BUILD/SorvaneE2E.exe" 3
wait_logged 33788 first.log 20 >/dev/null
start_standin_named second
sleep 0.5

# Each round raises one of them, presses, and raises the other while the
# switch is held.
rounds=0
for raised in first second first second; do
  other=$([ "$raised" = first ] && echo second || echo first)
  probe raise "($raised)"
  sleep 0.5
  python3 "$E2E_DIR/switch_driver.py" switch hold 1500 >/dev/null &
  held=$!
  sleep 0.4
  probe raise "($other)"
  wait "$held"
  sleep 0.6
  rounds=$((rounds + 1))
done
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
sleep 0.5

read -r presses ups unreleased < <(joytokey_presses <first.log)
faulty=$(press_faults <first.log | tr '\n' ';')
ending=$(tail -1 first.log | awk '{print $2}')
second=$(log_summary second.log)
echo "the first JoyToKey got $presses presses, $ups releases, $unreleased left held${faulty:+ ($faulty)}," \
  "and last message $ending; the second got $second"
[ "$second" = nothing ] || fail "the second JoyToKey got $second"
[ "$presses $ups $unreleased" = "$rounds $rounds 0" ] && [ -z "$faulty" ] ||
  fail "$rounds holds gave the first JoyToKey $presses presses, $ups releases, $unreleased left held $faulty"
[ "$ending" = 18 ] || fail "the first JoyToKey was not told to quit last (its last message: $ending)"
pass "$rounds holds, each raising the other JoyToKey: the first got every press and release and the quit; the second nothing"
