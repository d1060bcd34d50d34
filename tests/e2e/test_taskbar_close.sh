# The panel has a taskbar button with its title and icon; what the taskbar
# sends never minimises it, and its close saves and ends like the menu's exit.
source "$(dirname "$0")/lib.sh"
new_work taskbar_close
start_standin
start_panel "$BUILD/Sorvane.exe" 3

read -r style exstyle < <(probe style class:TSorvaneForm)
(( (0x$exstyle & 0x00040000) != 0 )) || fail "the panel has no taskbar button (WS_EX_APPWINDOW): $exstyle"
(( (0x$exstyle & 0x08000000) != 0 )) || fail "the panel can be activated by a click: $exstyle"
(( (0x$style & 0x00C00000) == 0 )) || fail "the panel has caption bits: $style"
[ "$(probe owner class:TSorvaneForm)" = "" ] || fail "the panel has an owner, which would hide its button"
title=$(probe text class:TSorvaneForm | head -1)
[ "$title" = "「Sorvane＋。」Ver 2.10" ] || fail "the taskbar button reads '$title'"
pass "a taskbar button, unowned and never activated by a click, titled '$title'"

# The carer moves the panel: the new place is what the close must save.
probe move class:TSorvaneForm 321 234
sleep 0.3
read -r left top width height _ _ < <(probe rect class:TSorvaneForm)
[ "$left $top" = "321 234" ] || fail "the panel did not move: $left $top"
probe syscommand class:TSorvaneForm minimize
sleep 0.5
probe minimize class:TSorvaneForm
sleep 1
[ "$(probe shown class:TSorvaneForm)" = "1 0" ] || fail "minimised from the taskbar: $(probe shown class:TSorvaneForm)"
[ "$(probe rect class:TSorvaneForm | cut -d' ' -f1-4)" = "321 234 $width $height" ] ||
  fail "after the minimise the panel is at $(probe rect class:TSorvaneForm)"
screenshot "$WORK/after-minimise.png"
pass "a minimise from the taskbar leaves the panel shown where it was"

probe syscommand class:TSorvaneForm close
wait_gone "$panel_pid" 20 || fail "the panel did not end after the taskbar's close"
sleep 0.5
[ "$(log_messages | tail -1)" = "18 0" ] || fail "JoyToKey did not get the quit: $(log_messages | tail -3)"
grep -aq '^XPOS=321' Sorvane.ini && grep -aq '^YPOS=234' Sorvane.ini ||
  fail "the place was not saved: $(grep -a 'POS=' Sorvane.ini)"
pass "the taskbar's close saved the panel's place and JoyToKey quit"
