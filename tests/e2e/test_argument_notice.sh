# Started without an argument the notice is shown centred and goes by itself
# about five seconds later; started with one it never shows.
source "$(dirname "$0")/lib.sh"
new_work argument_notice
write_settings "[Sound]" "ON=0"
start_standin
started=$(date +%s.%N)
start "$BUILD/Sorvane.exe"
panel_pid=${PIDS[-1]}
probe wait class:THikisuuForm 20000 >/dev/null || fail "no argument notice without an argument"
seen=$(date +%s.%N)
probe text class:THikisuuForm | head -1 | grep -qx '引数のお知らせ' || fail "notice caption"
read -r l t w h _ _ < <(probe rect class:THikisuuForm)
[ "$w $h" = "212 211" ] || fail "notice size $w x $h"
[ "$l $t" = "$(((1024 - 212) / 2)) $(((768 - 211) / 2))" ] || fail "notice not centred: $l $t"
sleep 1
screenshot notice.png
cp notice.png "$BUILD/notice-screenshot.png"
probe gone class:THikisuuForm 10000 || fail "the notice did not go by itself"
gone=$(date +%s.%N)
# Its timer runs from its creation, which comes after the program starts: it
# cannot go sooner than five seconds after the start, and it goes within five
# seconds (and a little for a loaded machine) of being seen.
since_start=$(awk -v a="$started" -v b="$gone" 'BEGIN { printf "%.1f", b - a }')
since_seen=$(awk -v a="$seen" -v b="$gone" 'BEGIN { printf "%.1f", b - a }')
awk -v s="$since_start" -v v="$since_seen" 'BEGIN { exit !(s >= 4.5 && v <= 7) }' ||
  fail "the notice went $since_start s after the start, $since_seen s after it was seen"
shown=$since_start
kill -0 "$panel_pid" || fail "the panel ended with the notice"
grep -q ' 33788 ' JoyToKey.log && fail "a configuration was sent without an argument"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
pass "notice centred at $l,$t, 212 x 211, gone after $shown s; no configuration sent"

new_work argument_given
start_standin
start_panel "$BUILD/Sorvane.exe" 3
for _ in 1 2 3 4 5 6; do
  [ "$(probe count class:THikisuuForm)" = 0 ] || fail "the notice showed although 3 was given"
  sleep 0.5
done
pass "with the argument 3 the notice never showed"
