# Every pixel of the panel's frame drags it, however soon the button comes up:
# a quick drag from the middle of each edge moves the panel by the drag, and
# Notepad keeps the keyboard.
source "$(dirname "$0")/lib.sh"
new_work frame_drag
write_settings "[Sound]" "ON=0" "[Interval]" "ScanTimer=5"
start_standin
start notepad
probe wait class:Notepad 20000 >/dev/null || fail "no Notepad"
start_panel "$BUILD/Sorvane.exe" 3
sleep 0.5

read -r _ _ w h cw ch < <(probe rect class:TSorvaneForm)
edge=$(((w - cw) / 2))
[ "$edge" -ge 1 ] || fail "the panel shows no frame ($w x $h outside, $cw x $ch inside)"
# Points one pixel inside the outer edge, at the middle of each side.
for side in left:1:$((h / 2)) top:$((w / 2)):1 right:$((w - 2)):$((h / 2)) bottom:$((w / 2)):$((h - 2)); do
  IFS=: read -r name dx dy <<<"$side"
  probe move class:TSorvaneForm 300 300
  sleep 0.3
  read -r left top _ _ _ _ < <(probe rect class:TSorvaneForm)
  x=$((left + dx))
  y=$((top + dy))
  # Pressed, moved and released at once: the panel handles the press after
  # the button is up again, as it does whenever it is busy at that moment.
  xdotool mousemove $x $y mousedown 1 mousemove $((x + 60)) $((y + 40)) mouseup 1
  sleep 0.5
  read -r moved_left moved_top _ _ _ _ < <(probe rect class:TSorvaneForm)
  [ "$((moved_left - left)) $((moved_top - top))" = "60 40" ] ||
    fail "a drag of 60,40 from the $name edge moved the panel by $((moved_left - left)),$((moved_top - top))"
  owner=$(probe foreground)
  [ "$owner" = Notepad ] || fail "after the drag from the $name edge the keyboard is with '$owner'"
done
pass "a drag of 60,40 from the middle of each edge of the frame moved the panel; Notepad kept the keyboard"
