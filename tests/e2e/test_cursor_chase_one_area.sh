# Cursor chase treats the panel as one area: the pointer walked from the margin
# onto a button leaves the panel and its highlight where they were for several
# intervals; off the panel, the panel follows it again.
source "$(dirname "$0")/lib.sh"
new_work cursor_chase_one_area
write_settings "[Sound]" "ON=0" "[Interval]" "ScanTimer=1" "[Oikake]" "ON=1"
start_standin
xdotool mousemove 100 600
start_panel "$BUILD/Sorvane.exe" 3
sleep 2.5

# The panel follows the pointer at every step: catch it with the pointer on
# its margin, which holds it still.
caught=""
for _ in $(seq 10); do
  read -r x y < <(panel_origin)
  xdotool mousemove $((x + 8)) $((y + 10))
  sleep 1.3
  read -r x2 y2 < <(panel_origin)
  [ "$x $y" = "$x2 $y2" ] && { caught=1; break; }
done
[ -n "$caught" ] || fail "the pointer on the margin did not hold the panel"
for step in $(seq 4 4 32); do
  xdotool mousemove $((x + 8 + step)) $((y + 10))
  sleep 0.05
done
screenshot before.png
before=$(highlighted before.png 4)
[ "$before" != 0 ] || fail "no highlight before the wait"
sleep 3.5
screenshot after.png
after=$(highlighted after.png 4)
read -r x3 y3 < <(panel_origin)
[ "$x3 $y3" = "$x $y" ] || fail "the panel moved from $x,$y to $x3,$y3 with the pointer on button 1"
[ "$before" = "$after" ] || fail "the highlight moved from $before to $after with the pointer on the panel"

xdotool mousemove $((x + 400)) $((y - 100))
sleep 2.5
read -r x4 y4 < <(panel_origin)
[ "$x4 $y4" != "$x $y" ] || fail "the panel did not follow the pointer once it had left"
pass "margin to button 1: panel held at $x,$y and highlight on $before for 3.5 intervals; it followed the pointer off it"
