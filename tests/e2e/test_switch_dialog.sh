# The switch settings dialog opens from the menu, takes the two switches' keys
# and a mouse button as the switch, refuses a time out of range with a message, and what is confirmed is saved
# at close.
source "$(dirname "$0")/lib.sh"
new_work switch_dialog
write_settings "[Sound]" "ON=0"
start_standin
start_panel "$BUILD/Sorvane.exe" 3
sleep 0.5
open_menu
xdotool key w
probe wait 'class:SorvaneSwitchSettings' 5000 >/dev/null || fail "スイッチ設定 (&W) opened no dialog"
probe text 'class:SorvaneSwitchSettings' | head -1 | grep -qx 'スイッチの設定' || fail "dialog caption"
read -r dx dy dw dh _ _ < <(probe rect 'class:SorvaneSwitchSettings')
xdotool mousemove $((dx + dw / 2)) $((dy + 10))
# The key field has the keyboard: F8 becomes the key, F9 switch 2's; the
# middle button the switch's mouse button, none switch 2's; then the five fields.
xdotool key F8 Tab Tab F9 Tab Tab Down Down Down Tab Tab
xdotool type --delay 30 "9999"
xdotool key Tab
xdotool type --delay 30 "200"
xdotool key Tab
xdotool type --delay 30 "100"
xdotool key Tab
xdotool type --delay 30 "3"
xdotool key Tab
xdotool type --delay 30 "300"
xdotool key Return
probe wait 'class:#32770' 5000 >/dev/null || fail "an accept time of 9999 was not refused"
probe text 'class:#32770' | grep -qF '受付時間は 0 から 5000 までの整数で入力してください' || fail "the refusal: $(probe text 'class:#32770')"
probe click 'class:#32770' OK
probe wait 'class:SorvaneSwitchSettings' 5000 >/dev/null || fail "the dialog did not come back"
probe text 'class:SorvaneSwitchSettings' | grep -qx '9999' || fail "what was typed was lost"
read -r dx dy dw dh _ _ < <(probe rect 'class:SorvaneSwitchSettings')
screenshot screen.png
"$CONVERT" screen.png -crop "${dw}x${dh}+${dx}+${dy}" +repage "$BUILD/switch-dialog-screenshot.png"
xdotool mousemove $((dx + dw / 2)) $((dy + 10))
xdotool key Tab Tab Tab Tab Tab Tab
xdotool type --delay 30 "300"
xdotool key Return
probe wait 'class:#32770' 5000 >/dev/null || fail "a dwell time of 300 was not refused"
probe text 'class:#32770' | grep -qF '選択までの待ち時間は 500 から 10000 までの整数で入力してください' ||
  fail "the refusal: $(probe text 'class:#32770')"
probe click 'class:#32770' OK
probe wait 'class:SorvaneSwitchSettings' 5000 >/dev/null || fail "the dialog did not come back"
xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
xdotool type --delay 30 "4500"
xdotool key Return
probe gone 'class:SorvaneSwitchSettings' 5000 || fail "OK did not close the dialog"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 10 || fail "the panel did not close"
section() { tr -d '\r' <Sorvane.ini | awk -v s="[$1]" '/^\[/ {on = $0 == s} on' | tr '\n' ' '; }
section Switch >switch.txt
[ "$(cat switch.txt)" = "[Switch] Key=119 AcceptTime=300 IgnoreRepeat=200 FirstPause=100 Loops=3 Key2=120 StuckAfter=0 MouseButton=3 MouseButton2=0 " ] ||
  fail "saved: $(cat switch.txt)"
section Scan | grep -q ' DwellTime=4500 ' || fail "saved: $(section Scan)"
pass "dialog from the menu: 9999 and a dwell time of 300 refused, then saved $(cat switch.txt)DwellTime=4500"
