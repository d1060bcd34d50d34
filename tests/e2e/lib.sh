# Shared by the end-to-end tests: the Windows programs under Wine inside Xvfb.
# Source with the build folder as $1.
set -euo pipefail

BUILD=$(cd "$1" && pwd)
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export DISPLAY="${SORVANE_E2E_DISPLAY:-:77}"

PIDS=()
WORK=""
# ImageMagick itself, ahead of any wrapper of the same name earlier on PATH.
CONVERT=$(command -v /usr/bin/convert || command -v convert)

# Wine's own complaints (it cannot start, its server went away) are kept in
# the working folder and shown with a failure.
wine_errors() { echo "${WORK:-$BUILD}/wine-errors.log"; }
fail() {
  echo "FAIL: $*" >&2
  local said
  said=$(grep -v '^ALSA lib' "$(wine_errors)" 2>/dev/null | tail -n 20) || true
  [ -z "$said" ] || printf 'Wine said:\n%s\n' "$said" >&2
  exit 1
}
pass() { echo "ok: $*"; }

# A fresh working folder for one test, under the build folder.
new_work() {
  WORK="$BUILD/e2e-work/$1"
  rm -rf "$WORK"
  mkdir -p "$WORK"
  cp "$BUILD/Zoboclick.wav" "$WORK/"
  cd "$WORK"
  # Wine's server is started here, ahead of the test's first programs: two
  # programs started together with no server running race to start one, and
  # now and then one of them gives up at once.
  wineserver -p3 </dev/null >/dev/null 2>&1 || true
}

# The probe answers 0 or 1 (found or not). It has been seen, now and then
# under load, to end at once and silently, without running its course: ending
# with anything else, or with "not found" from a wait long before the wait's
# time, it is run once more, and the log says so.
probe() {
  local rc=0 began
  began=$(date +%s%3N)
  wine "$BUILD/probe.exe" "$@" 2>>"$(wine_errors)" | tr -d '\r' || rc=$?
  local took=$(($(date +%s%3N) - began)) limit=${3:-0}
  case "$1" in wait | gone) ;; *) limit=0 ;; esac
  [[ "$limit" =~ ^[0-9]+$ ]] || limit=0
  if [ "$rc" -gt 1 ] || { [ "$rc" = 1 ] && [ "$took" -lt $((limit - 1000)) ]; }; then
    echo "probe $* ended with $rc after $took ms; once more" >>"$(wine_errors)"
    rc=0
    wine "$BUILD/probe.exe" "$@" 2>>"$(wine_errors)" | tr -d '\r' || rc=$?
  fi
  return "$rc"
}

# The panel keeps its files beside its program file: a test's panel runs as
# a copy in the test's working folder, so that the files it reads and writes
# there are the panel's own.
beside_work() {
  case "$1" in
    "$BUILD/Sorvane.exe" | "$BUILD/SorvaneE2E.exe")
      if [ -n "$WORK" ]; then
        [ -e "$WORK/${1##*/}" ] || cp "$1" "$WORK/"
        echo "$WORK/${1##*/}"
        return
      fi
      ;;
  esac
  echo "$1"
}

# Starts a Windows program in the background in the working folder.
start() {
  local program
  program=$(beside_work "$1")
  shift
  wine "$program" "$@" >/dev/null 2>>"$(wine_errors)" &
  PIDS+=($!)
}

start_standin() {
  start "$BUILD/JoyToKey.exe" --log "$WORK/JoyToKey.log" "$@"
  probe wait "JoyToKey " 20000 >/dev/null || fail "the stand-in did not open its window"
}

# Starts a stand-in titled "JoyToKey Ver6.9 (NAME)" that logs to NAME.log in
# the working folder, waits for its window and keeps its process in
# standin_pid. Further arguments go to the stand-in.
start_standin_named() {
  local name=$1
  shift
  start "$BUILD/JoyToKey.exe" --title "JoyToKey Ver6.9 ($name)" --log "$WORK/$name.log" "$@"
  standin_pid=${PIDS[-1]}
  probe wait "($name)" 20000 >/dev/null || fail "the stand-in $name did not open its window"
}

# Waits up to $3 seconds for message $1 in stand-in log $2 and prints its
# first line; fails when it never comes. Read off the file, not with the
# probe: a test may time what follows from it.
wait_logged() {
  local line
  for _ in $(seq $(($3 * 50))); do
    line=$(awk -v m="$1" '$2 == m {print; exit}' "$2" 2>/dev/null)
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.02
  done
  fail "message $1 never reached $(basename "$2")"
}

# Sleeps until Unix time $1 in ms; at once when it has passed.
sleep_until_ms() {
  local left=$(($1 - $(date +%s%3N)))
  [ "$left" -le 0 ] || sleep "$((left / 1000)).$(printf '%03d' $((left % 1000)))"
}

# Starts the panel (a program and its arguments), waits for its window and
# keeps its process in panel_pid.
start_panel() {
  start "$@"
  panel_pid=${PIDS[-1]}
  probe wait class:TSorvaneForm 20000 >/dev/null || fail "no panel"
}

# Ends a program started with start at once, as "End task" would, and
# quietly: no word from bash about the job.
kill_program() {
  kill -9 "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# Waits for a process started with start to end; fails after $2 seconds.
wait_gone() {
  local pid=$1 limit=${2:-20}
  for _ in $(seq $((limit * 10))); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# Message numbers in the stand-in's log (or in log $1), one a line:
# "<message> <lParam>".
log_messages() { awk '{print $2, $4}' "${1:-$WORK/JoyToKey.log}" 2>/dev/null; }

cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT
# A command that fails where set -e ends the test says so, and where.
set -E
trap 'echo "FAIL: ${BASH_SOURCE[0]##*/}:$LINENO: $BASH_COMMAND" >&2' ERR

screenshot() {
  import -window root "$1" 2>/dev/null || xwd -root -silent | "$CONVERT" xwd:- "$1"
}

# The colour of one screen pixel of a screenshot as RRGGBB.
pixel() { "$CONVERT" "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -1 | grep -o '#[0-9A-F]\{6\}' | tr -d '#'; }

# The panel's client origin on the screen: "x y".
panel_origin() {
  local l t w h cw ch
  read -r l t w h cw ch < <(probe rect class:TSorvaneForm)
  echo "$((l + (w - cw) / 2)) $((t + (h - ch) / 2))"
}

# The highlighted button (1..8) in a screenshot of a panel of $2 buttons, or 0.
# The panel's client origin may be given as $3 $4, to spare asking for it.
highlighted() {
  local shot=$1 count=$2 x=${3:-} y=${4:-} k
  [ -n "$y" ] || read -r x y < <(panel_origin)
  for k in $(seq "$count"); do
    [ "$(pixel "$shot" $((x + 20 + 60 * (k - 1) + 4)) $((y + 4)))" = FFFF00 ] && { echo "$k"; return; }
  done
  echo 0
}

# Opens the panel's menu with a right click on its margin.
open_menu() {
  local x y
  read -r x y < <(panel_origin)
  xdotool mousemove $((x + 8)) $((y + 10)) click 3
  probe wait 'class:#32768' 5000 >/dev/null || fail "no popup menu after a right click"
}

# The switch of SorvaneE2E.exe: a file in the working folder, up to begin with.
use_switch_file() {
  echo 0 >"$WORK/switch"
  SORVANE_SWITCH_FILE="$(winepath -w "$WORK/switch" 2>/dev/null)"
  export SORVANE_SWITCH_FILE
}

write_settings() { printf '%s\r\n' "$@" >"$WORK/Sorvane.ini"; }

# Waits until button $1 of a strip of $2 is highlighted.
wait_highlight() {
  local x y
  read -r x y < <(panel_origin)  # once: asking the panel takes longer than a step may last
  for _ in $(seq 100); do
    screenshot now.png
    [ "$(highlighted now.png "$2" "$x" "$y")" = "$1" ] && return 0
    sleep 0.1
  done
  fail "the highlight never reached button $1"
}

# The presses in stand-in log lines on stdin, as a user meets them: a run of
# button downs (repeated every tick while held) ended by its up. Prints
# "presses ups downs-left-unreleased".
joytokey_presses() {
  awk '$2 == 33779 {held = 1} $2 == 33778 {ups++; if (held) presses++; held = 0}
       END {print presses + 0, ups + 0, held + 0}'
}

# What is wrong with the presses in stand-in log lines on stdin, one fault a
# line, nothing when all is well: a release with no button held (a copy, or
# its press lost), a press or a release of another button than the one held.
press_faults() {
  awk '$2 == 33779 {
         if (held && $4 != button) print "line " NR ": button " ($4 + 1) " pressed while " (button + 1) " was held"
         held = 1; button = $4 }
       $2 == 33778 {
         if (!held) print "line " NR ": button " ($4 + 1) " released with nothing held"
         else if ($4 != button) print "line " NR ": button " ($4 + 1) " released while " (button + 1) " was held"
         held = 0 }'
}

# What a stand-in's log $1 holds, counted by kind: "N stick reports, ...".
log_summary() {
  awk '{n[$2]++} END {
         split("33788 33768 33779 33778 18", order, " ")
         name["33788"] = "configuration numbers"; name["33768"] = "stick reports"
         name["33779"] = "presses"; name["33778"] = "releases"; name["18"] = "quits"
         for (i = 1; i <= 5; i++) if (n[order[i]]) { printf "%s%d %s", sep, n[order[i]], name[order[i]]; sep = ", " }
         for (m in n) if (!(m in name)) { printf "%s%d of message %s", sep, n[m], m; sep = ", " }
         if (!sep) printf "nothing" }' "$1" 2>/dev/null || echo nothing
}

# Starts the probe watching for window $1 in the background, writing to $2
# "watching" and then the Unix time in ms at which the window first showed;
# returns once it watches. Written straight to the file: a pipe would hold the
# lines back until the probe ends. A probe that ends at once is started again.
watch_appearance() {
  local name=$1 file=$2 attempt watcher
  for attempt in 1 2; do
    wine "$BUILD/probe.exe" appear "$name" 60000 >"$file" 2>>"$(wine_errors)" &
    watcher=$!
    PIDS+=("$watcher")
    for _ in $(seq 300); do
      grep -q watching "$file" && return 0
      kill -0 "$watcher" 2>/dev/null || break
      sleep 0.1
    done
    echo "probe appear $name: not watching (attempt $attempt)" >>"$(wine_errors)"
  done
  fail "the probe did not start watching for $name"
}

# The time watch_appearance saw the window, waiting up to $2 seconds.
appeared_at() {
  for _ in $(seq $(($2 * 10))); do
    [ "$(wc -l <"$1")" -ge 2 ] && break
    sleep 0.1
  done
  sed -n 2p "$1" | tr -d '\r'
}
