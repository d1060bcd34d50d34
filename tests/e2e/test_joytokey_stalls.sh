# A JoyToKey that stops answering for 3 s, whichever message it is taking (a
# press, a release, the stick report, the configuration number), costs the
# user nothing: the panel goes on answering and scanning, every message
# reaches JoyToKey once and in order, and a tap made meanwhile arrives whole
# once JoyToKey answers again.
source "$(dirname "$0")/lib.sh"

STALL=3000
faults=()

# One stalled message: $1 its number, $2 what it is.
stall_on() {
  local message=$1 what=$2 taps=1 stalled line stall_end x y
  new_work "joytokey_stalls_$message"
  write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
  use_switch_file
  start_standin_named stalling --unix-time --stall-on "$message" --stall-ms "$STALL"
  local standin=$standin_pid
  # Not start_panel: the stall may begin as the panel shows itself, and the
  # log says so sooner than a probe would.
  start "$BUILD/SorvaneE2E.exe" 3
  panel_pid=${PIDS[-1]}
  if [ "$message" = 33779 ] || [ "$message" = 33778 ]; then
    wait_highlight 1 4
    python3 "$E2E_DIR/switch_driver.py" switch taps 1 80 0 >/dev/null
    taps=2
  fi
  line=$(wait_logged "$message" stalling.log 30)
  stalled=$(echo "$line" | awk '{print $5}')
  stall_end=$((stalled + STALL))
  [ $(($(date +%s%3N) - stalled)) -lt 500 ] ||
    fail "$what: the stall was seen $(($(date +%s%3N) - stalled)) ms late, too late to act during it"

  # During the stall: WM_NULL again and again, the highlight on screen, and a tap.
  # Two probes, in case one ends at once under load, as the probe now and
  # then does.
  local answering=() n
  for n in 1 2; do
    wine "$BUILD/probe.exe" answers class:TSorvaneForm $((stalled + 2700)) 100 >"answers$n.txt" 2>>"$(wine_errors)" &
    answering+=($!)
    PIDS+=($!)
  done
  python3 "$E2E_DIR/switch_driver.py" switch at $((stalled + 2550)) taps 1 80 0 >tapped.txt &
  local tapping=$!
  # Read once the stall is over: the panel's place is asked of it then.
  local shots=0 first_shot last_shot
  first_shot=$(date +%s%3N)
  while [ "$(date +%s%3N)" -lt $((stalled + 2450)) ]; do
    screenshot "during$shots.png"
    last_shot=$(date +%s%3N)
    shots=$((shots + 1))
    sleep 0.05
  done
  wait "$tapping"
  local tapped
  tapped=$(cat tapped.txt)
  for n in "${answering[@]}"; do wait "$n" || true; done
  [ "$tapped" -lt $((stall_end - 200)) ] ||
    fail "$what: the machine was too slow: the tap during the stall came $((tapped - stall_end)) ms after it"
  sleep_until_ms $((stall_end + 1500))

  # What JoyToKey got, and how the panel did meanwhile.
  local configs downs ups buttons faulty answered slowest steps=0 previous="" lit lits="" k
  configs=$(log_messages stalling.log | grep -c '^33788 51$' || true)
  downs=$(log_messages stalling.log | grep -c '^33779 ' || true)
  ups=$(log_messages stalling.log | grep -c '^33778 ' || true)
  faulty=$(press_faults <stalling.log | tr '\n' ';')
  # The presses and releases as JoyToKey took them, timed from the stall's end.
  buttons=$(awk -v end="$stall_end" '$2 == 33779 || $2 == 33778 {
      printf "%s%s %d @%+d", sep, ($2 == 33779 ? "down" : "up"), $4 + 1, $5 - end; sep = ", " }' stalling.log)
  read -r answered slowest < <(cat answers1.txt answers2.txt | tr -d '\r' |
    awk '{n += $1; if ($2 > worst) worst = $2} END {if (NR) print n, worst}')
  read -r x y < <(panel_origin)
  for k in $(seq 0 $((shots - 1))); do
    lit=$(highlighted "during$k.png" 4 "$x" "$y")
    lits+=$lit
    # A stall at the start finds nothing lit yet: the first button lighting
    # up is a step too.
    [ -n "$previous" ] && [ "$lit" != "$previous" ] && steps=$((steps + 1))
    previous=$lit
  done
  echo "$what stalled: configuration number ${configs}x; $taps taps gave $downs presses, $ups releases:" \
    "${buttons:-none} (ms from the stall's end; a tap made at $((tapped - stall_end))); WM_NULL answered" \
    "${answered:-0}x, slowest ${slowest:-?} ms; the highlight stepped $steps times in $((last_shot - first_shot)) ms ($lits)"

  [ "$configs" = 1 ] || faults+=("$what: the configuration number reached JoyToKey $configs times")
  # With each press's release once and in its place, the tap made during the
  # stall arrived whole: one press, then its release.
  [ "$downs $ups" = "$taps $taps" ] || faults+=("$what: $taps taps gave $downs presses and $ups releases")
  [ -z "$faulty" ] || faults+=("$what: $faulty")
  [ "${answered:-0}" -ge 3 ] && [ "${slowest:-9999}" -le 50 ] ||
    faults+=("$what: the panel answered WM_NULL ${answered:-0} times, the slowest in ${slowest:-?} ms")
  # At a step a second, screenshots over the stall's first 2.4 s see two steps.
  [ "$steps" -ge 2 ] ||
    faults+=("$what: the highlight stepped $steps times in $((last_shot - first_shot)) ms ($lits)")

  probe close class:TSorvaneForm
  wait_gone "$panel_pid" 20 || faults+=("$what: the panel did not close")
  wait_gone "$standin" 10 || kill "$standin" 2>/dev/null || true
  cd "$BUILD"
}

stall_on 33779 "a press"
stall_on 33778 "a release"
stall_on 33768 "the stick report"
stall_on 33788 "the configuration number"

[ "${#faults[@]}" = 0 ] || fail "$(printf '\n  %s' "${faults[@]}")"
pass "stalled on a press, a release, the stick report or the configuration number, JoyToKey got each message once and in order, the tap made meanwhile whole afterwards; the panel answered and scanned throughout"
