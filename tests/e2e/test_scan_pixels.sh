# The scan as a person sees it: one yellow button, the others in the button
# face, green margins, and the highlight moving on.
source "$(dirname "$0")/lib.sh"
new_work scan_pixels
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
start_standin
start_panel "$BUILD/Sorvane.exe" 3
sleep 1.2
read -r x y < <(panel_origin)
seen=""
for i in 1 2 3 4 5; do
  screenshot "shot$i.png"
  [ "$(pixel "shot$i.png" $((x + 5)) $((y + 10)))" = 008000 ] || fail "the left margin is not green"
  [ "$(pixel "shot$i.png" $((x + 77)) $((y + 10)))" = 008000 ] || fail "the gap after button 1 is not green"
  k=$(highlighted "shot$i.png" 4)
  [ "$k" != 0 ] || fail "no yellow button in shot $i"
  face=""
  for other in 1 2 3 4; do
    [ "$other" = "$k" ] && continue
    colour=$(pixel "shot$i.png" $((x + 20 + 60 * (other - 1) + 4)) $((y + 4)))
    [ -z "$face" ] && face=$colour
    [ "$colour" = "$face" ] && [ "$colour" != FFFF00 ] || fail "button $other is $colour beside $face"
  done
  seen="$seen $k"
  sleep 0.7
done
distinct=$(echo $seen | tr ' ' '\n' | sort -u | wc -l)
[ "$distinct" -ge 2 ] || fail "the highlight did not move: $seen"
cp shot1.png "$BUILD/scan-screenshot.png"
pass "highlight seen on buttons:$seen; idle buttons in #$face; margins green"
