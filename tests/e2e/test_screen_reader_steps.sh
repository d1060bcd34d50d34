# What a screen reader hears of the scan: one selection event for each step,
# in order, from the lit button's window; each button a push button named as
# the voice says it, the lit one selected. Every step waits for its prompt:
# button 2's recording holds it 1.8 s, and Wine's voice, which refuses to
# speak, leaves the others at the scan's pace.
source "$(dirname "$0")/lib.sh"
new_work screen_reader_steps
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0" "[BtnName]" "Name1=はい" "Name2=いいえ" \
  "[Voice]" "Mode=2" "Wait=1"
mkdir Voice
python3 - <<'PY'
import wave
with wave.open("Voice/2.wav", "wb") as out:
    out.setnchannels(1); out.setsampwidth(2); out.setframerate(8000)
    out.writeframes(b"\0\0" * 14400)  # 1.8 s of silence
PY
SORVANE_E2E_ACCESSIBILITY_FILE="$(winepath -w "$WORK/accessibility.txt" 2>/dev/null)"
export SORVANE_E2E_ACCESSIBILITY_FILE
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3

wine "$BUILD/probe.exe" selections class:TSorvaneForm 7000 >selections.txt 2>>"$(wine_errors)" &
watcher=$!
PIDS+=("$watcher")
for _ in $(seq 100); do grep -q watching selections.txt && break; sleep 0.1; done
grep -q watching selections.txt || fail "the probe did not start watching"
wait "$watcher" || true
tr -d '\r' <selections.txt | grep -v watching >events.txt
echo "selection events (time, left edge, class, object, child):"
cat events.txt
count=$(wc -l <events.txt)
[ "$count" -ge 5 ] && [ "$count" -le 8 ] || fail "$count selection events in 7 s of a 1 s scan"
awk '$3 != "TCuteButton" || $4 != -4 || $5 != 0 {exit 1}' events.txt ||
  fail "an event was not for a button's client object"
# Each step the next button of four (left edges 20, 80, 140, 200), a second
# apart, but 1.8 s after button 2.
awk 'NR > 1 {
       if ($2 != (prev + 60 - 20) % 240 + 20) { print "step " NR ": from " prev " to " $2; bad = 1 }
       gap = $1 - time; low = prev == 80 ? 1600 : 700; high = prev == 80 ? 2300 : 1400
       if (gap < low || gap > high) { print "step " NR ": " gap " ms after the button at " prev; bad = 1 } }
     { prev = $2; time = $1 } END { exit bad }' events.txt || fail "the events did not follow the scan"

# The lit button on the screen is the one the accessibility API calls selected.
for attempt in 1 2 3; do
  screenshot lit.png
  probe send class:TSorvaneForm SorvaneE2EAccessibility >/dev/null || fail "the panel did not answer"
  screenshot lit-after.png
  lit=$(highlighted lit.png 4)
  [ "$lit" = "$(highlighted lit-after.png 4)" ] && break  # no step in between
done
echo "accessible objects (left edge, reached through, name, role, state):"
cat accessibility.txt
names=$(cut -f3 accessibility.txt | tr '\n' ',')
[ "$names" = "はい,いいえ,ボタン３,ボタン４," ] || fail "names: $names"
awk -F'\t' '$4 != 43 {exit 1}' accessibility.txt || fail "a button is not a push button (role 43)"
selected=$(awk -F'\t' 'int($5 / 2) % 2 == 1 {print NR}' accessibility.txt | tr '\n' ' ')
[ "$selected" = "$lit " ] || fail "selected: '$selected', lit on the screen: $lit"
pass "$count selection events in scan order, a second apart and 1.8 s after button 2's recording; names $names button $lit selected"
