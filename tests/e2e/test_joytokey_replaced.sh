# JoyToKey killed and started again, between two ticks or while the switch
# settings dialog is open: the new JoyToKey hears the configuration number
# before anything else, so the user's presses type the keys of the carer's
# configuration, and the panel goes on with it.
source "$(dirname "$0")/lib.sh"
new_work joytokey_replaced
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
use_switch_file
start_standin_named first
first_pid=$standin_pid
start_panel "$BUILD/SorvaneE2E.exe" 3
wait_logged 33788 first.log 20 >/dev/null
sleep 1
faults=()

# What the new JoyToKey $1 heard first, and whether a tap reached it.
heard_first() {
  local name=$1 when=$2 opening presses ups unreleased
  python3 "$E2E_DIR/switch_driver.py" switch taps 1 100 0 >/dev/null
  sleep 1
  opening=$(log_messages "$name.log" | head -3 | paste -sd, | sed 's/,/, /g')
  read -r presses ups unreleased < <(joytokey_presses <"$name.log")
  echo "replaced $when: the new JoyToKey heard first ${opening:-nothing}; in all $(log_summary "$name.log")"
  [ "$(log_messages "$name.log" | head -1)" = "33788 51" ] ||
    faults+=("replaced $when: the new JoyToKey heard first ${opening:-nothing}, not the configuration number 33788 51")
  [ "$presses $ups $unreleased" = "1 1 0" ] ||
    faults+=("replaced $when: a tap gave the new JoyToKey $presses presses, $ups releases, $unreleased left held")
  [ "$(probe count 'class:#32770')" = 0 ] || faults+=("replaced $when: a message box came up")
  kill -0 "$panel_pid" 2>/dev/null || fail "the panel ended after JoyToKey was replaced $when"
}

# Between two ticks: the panel closes at a tick that finds no JoyToKey, and
# Wine takes longer than a tick to start one, so the new one is started
# first and the old one killed the moment its window shows.
start_standin_named second
second_pid=$standin_pid
kill_program "$first_pid"
probe gone "(first)" 5000 || fail "the killed JoyToKey's window stayed"
heard_first second "between two ticks"

# While the switch settings dialog is open, and so no tick runs.
open_menu
xdotool key w
probe wait class:SorvaneSwitchSettings 30000 >/dev/null || fail "スイッチ設定 (&W) opened no dialog"
kill_program "$second_pid"
probe gone "(second)" 5000 || fail "the killed JoyToKey's window stayed"
start_standin_named third
probe click class:SorvaneSwitchSettings 'キャンセル' || fail "no キャンセル in the dialog"
probe gone class:SorvaneSwitchSettings 10000 || fail "キャンセル did not close the dialog"
sleep 0.5
heard_first third "while the switch settings dialog was open"

probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
sleep 0.5
[ "$(tail -1 third.log | awk '{print $2}')" = 18 ] || faults+=("the last JoyToKey was not told to quit")
[ "${#faults[@]}" = 0 ] || fail "$(printf '\n  %s' "${faults[@]}")"
pass "a JoyToKey started in place of a killed one heard the configuration number first, between ticks and after the dialog"
