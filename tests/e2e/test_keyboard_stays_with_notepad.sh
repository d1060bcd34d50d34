# The panel works beside the program the user types in: Wine's Notepad keeps
# the keyboard when the panel starts, when its margin is clicked, after its
# menu, after the colour and font dialogs and after the name editor (which
# have it while they are open).
source "$(dirname "$0")/lib.sh"
new_work keyboard_stays_with_notepad
write_settings "[Sound]" "ON=0" "[Interval]" "ScanTimer=5"
start_standin
start notepad
probe wait class:Notepad 20000 >/dev/null || fail "no Notepad"
start_panel "$BUILD/Sorvane.exe" 3
sleep 0.5
read -r x y < <(panel_origin)

typed=""
# After $1, Notepad has the keyboard and the word $2 typed now lands in it.
# Without a window manager X hands keys to the window under the pointer, or to
# the one Wine last focused: both are Notepad's here, so only the foreground,
# by which Wine routes every key, decides.
types_into_notepad() {
  local owner
  owner=$(probe foreground)
  [ "$owner" = Notepad ] || fail "after $1 the keyboard is with '$owner'"
  xdotool mousemove 200 200
  xdotool search --name "Untitled - Notepad" windowfocus --sync
  xdotool type --delay 40 "$2"
  typed="$typed$2"
  sleep 0.3
  probe text class:Notepad | grep -qx "$typed" || fail "after $1 Notepad holds: $(probe text class:Notepad | tail -n +2)"
  # Wine without a window manager stacks the window that takes the keyboard
  # above topmost ones (Windows does not): the panel is put back for the next step.
  probe top class:TSorvaneForm
}

types_into_notepad "the start" start
xdotool mousemove $((x + 8)) $((y + 10)) click 1
sleep 0.5
types_into_notepad "a click on the margin" margin

open_menu
xdotool key Escape
probe gone 'class:#32768' 3000 || fail "the menu stayed open"
sleep 0.3
types_into_notepad "the menu" menu

xdotool mousemove $((x + 20 + 120 + 28)) $((y + 10)) click 1
probe wait 'class:#32770' 10000 >/dev/null || fail "no colour dialog"
[ "$(probe foreground)" = '#32770' ] || fail "the colour dialog does not have the keyboard"
probe click 'class:#32770' Cancel
sleep 0.5
probe wait 'class:#32770' 10000 >/dev/null || fail "no font dialog"
[ "$(probe foreground)" = '#32770' ] || fail "the font dialog does not have the keyboard"
probe click 'class:#32770' Cancel
probe gone 'class:#32770' 5000 || fail "the font dialog stayed"
sleep 0.5
types_into_notepad "the colour and font dialogs" dialogs

open_menu
xdotool key e
probe wait class:TNameForm 5000 >/dev/null || fail "the name editor did not open"
sleep 0.3
[ "$(probe foreground)" = TNameForm ] || fail "the name editor does not have the keyboard"
xdotool key End BackSpace
xdotool type --delay 40 "X"
sleep 0.3
probe text class:TNameForm | grep -qx 'ボタンX' || fail "typing did not reach the name editor"
probe click class:TNameForm OK
probe gone class:TNameForm 5000 || fail "OK did not close the editor"
sleep 0.5
types_into_notepad "the name editor" names
pass "Notepad kept the keyboard through the start, a margin click, the menu, the dialogs and the name editor: '$typed'"
