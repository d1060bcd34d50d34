# A real right click on the panel opens the menu; choosing 3 buttons lays it out.
source "$(dirname "$0")/lib.sh"
new_work popup_menu
write_settings "[Sound]" "ON=0"
start_standin
start_panel "$BUILD/Sorvane.exe" 3
sleep 0.5
open_menu
screenshot menu.png
cp menu.png "$BUILD/menu-screenshot.png"
xdotool key b
sleep 0.3
xdotool key 3
sleep 0.5
probe gone 'class:#32768' 3000 || fail "the menu stayed open"
read -r _ _ w _ _ _ < <(probe rect class:TSorvaneForm)
[ "$w" = 202 ] || fail "after choosing 3 buttons the panel is $w wide"
pass "right click opened the menu; Zoboボタン+ > ３個 made the panel 202 wide"
