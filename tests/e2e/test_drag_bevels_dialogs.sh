# Dragging by the green margin or by the frame moves the panel; a button shows
# rest, hot and pressed looks; its click opens the colour and then the font
# dialog, and the colour chosen shows on the button while the font dialog is open.
source "$(dirname "$0")/lib.sh"
new_work drag_bevels_dialogs
write_settings "[Sound]" "ON=0" "[Interval]" "ScanTimer=5" "[BtnColor]" "Btn3Color=255"
start_standin
start_panel "$BUILD/Sorvane.exe" 3
sleep 0.5

read -r left top _ _ _ _ < <(probe rect class:TSorvaneForm)
read -r x y < <(panel_origin)
xdotool mousemove $((x + 8)) $((y + 10)) mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((x + 8 + 20 * step)) $((y + 10 + 10 * step)); sleep 0.05; done
xdotool mouseup 1
sleep 0.3
read -r moved_left moved_top _ _ _ _ < <(probe rect class:TSorvaneForm)
[ "$((moved_left - left)) $((moved_top - top))" = "100 50" ] ||
  fail "a drag of 100,50 moved the panel by $((moved_left - left)),$((moved_top - top))"
[ "$(probe foreground)" != TSorvaneForm ] || fail "the drag gave the panel the keyboard"
pass "a drag on the margin moved the panel by 100,50 without taking the keyboard"

xdotool mousemove $((moved_left + 1)) $((moved_top + 1)) mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((moved_left + 1 - 20 * step)) $((moved_top + 1 - 10 * step)); sleep 0.05; done
xdotool mouseup 1
sleep 0.3
read -r back_left back_top _ _ _ _ < <(probe rect class:TSorvaneForm)
[ "$back_left $back_top" = "$left $top" ] || fail "a drag from the frame of -100,-50 left the panel at $back_left,$back_top"
pass "a drag from the frame moved it back"

# Button 3 (not highlighted): its corner pixels tell the bevels apart.
read -r x y < <(panel_origin)
bx=$((x + 140))
by=$((y))
xdotool mousemove $((x + 300)) $((y + 200))
sleep 0.3
screenshot rest.png
xdotool mousemove $((bx + 28)) $((by + 10))
sleep 0.3
screenshot hot.png
xdotool mousedown 1
sleep 0.3
screenshot pressed.png
corner() { echo "$(pixel "$1" "$bx" "$by")/$(pixel "$1" $((bx + 1)) $((by + 1)))"; }
rest=$(corner rest.png)
hot=$(corner hot.png)
pressed=$(corner pressed.png)
echo "corner and next pixel: rest $rest, hot $hot, pressed $pressed"
[ "$rest" != "$hot" ] && [ "$hot" != "$pressed" ] && [ "$rest" != "$pressed" ] ||
  fail "the three looks are not told apart: $rest $hot $pressed"
pass "rest, hot and pressed look different"

xdotool mouseup 1
probe wait 'class:#32770' 10000 >/dev/null || fail "no colour dialog after the click"
first=$(probe text 'class:#32770' | head -1)
screenshot colour.png
# OK takes the slot's own colour, red, which the idle button does not show.
probe click 'class:#32770' OK
sleep 0.5
probe wait 'class:#32770' 10000 >/dev/null || fail "no font dialog after the colour dialog"
second=$(probe text 'class:#32770' | head -1)
[ "$first" != "$second" ] || fail "the same dialog came twice: $first"
sleep 0.3
screenshot font.png
cp font.png "$BUILD/font-dialog-screenshot.png"
face=$(pixel font.png $((bx + 4)) $((by + 4)))
[ "$face" = FF0000 ] || fail "button 3 shows $face, not the red just chosen, while the font dialog is open"
probe click 'class:#32770' Cancel
probe gone 'class:#32770' 5000 || fail "the font dialog stayed"
probe ping class:TSorvaneForm 3000 || fail "the panel does not answer after the dialogs"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
pass "click: '$first' (OK) then '$second' (cancelled); red shown during the font dialog; the panel goes on"
