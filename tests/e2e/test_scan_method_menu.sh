# The popup menu chooses the scan method and the idle captions; both are
# saved in [Scan] at close.
source "$(dirname "$0")/lib.sh"
new_work scan_method_menu
write_settings "[Sound]" "ON=0" "[Interval]" "ScanTimer=1"
start_standin
start_panel "$BUILD/Sorvane.exe" 3
sleep 0.5
open_menu
xdotool key m
sleep 0.3
screenshot method-menu.png
xdotool key 2
probe gone 'class:#32768' 3000 || fail "the menu stayed open after 2 スイッチ (&2)"
open_menu
xdotool key a  # 消灯中も文字を表示 (&A)
probe gone 'class:#32768' 3000 || fail "the menu stayed open after A: its key reaches no single item"
# The pointer off the panel, so that its scan goes on.
xdotool mousemove 5 5
sleep 2.5
read -r x y < <(panel_origin)
read -r _ _ w h cw ch < <(probe rect class:TSorvaneForm)
screenshot screen.png
"$CONVERT" screen.png -crop "${w}x${h}+$((x - (w - cw) / 2))+$((y - (h - ch) / 2))" +repage \
  "$BUILD/idle-captions-screenshot.png"
# A button not lit shows its caption dark on the button face, no longer white.
lit=$(highlighted screen.png 4 "$x" "$y")
unlit=$((lit % 4 + 1))  # button 1 when nothing is lit
darkest=$("$CONVERT" screen.png -crop "48x12+$((x + 20 + 60 * (unlit - 1) + 4))+$((y + 7))" +repage \
  -format '%[fx:int(255 * minima.intensity)]' info:)
[ "$darkest" -lt 64 ] || fail "button $unlit, not lit, shows no dark caption (darkest $darkest of 255)"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 10 || fail "the panel did not close"
saved=$(tr -d '\r' <Sorvane.ini | awk '/^\[/ {on = $0 == "[Scan]"} on' | tr '\n' ' ')
[ "$saved" = "[Scan] Method=2 DwellTime=2000 IdleCaptions=1 PausePosition=0 ResumeHold=2000 " ] || fail "saved: $saved"
tr -d '\r' <Sorvane.ini | grep -A1 -x '\[Oikake\]' | grep -qx 'ON=0' || fail "カーソル追いかけ was changed"
pass "2 スイッチ and 消灯中も文字を表示 by their keys from the menu, saved: $saved"
