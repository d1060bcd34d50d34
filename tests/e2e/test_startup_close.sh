# Start and close as JoyToKey sees it; the window's style; the settings written.
source "$(dirname "$0")/lib.sh"
new_work startup_close
start_standin
start_panel "$BUILD/Sorvane.exe" 3

read -r style exstyle < <(probe style class:TSorvaneForm)
(( (0x$style & 0x00C00000) == 0 )) || fail "the panel has caption bits: $style"
(( (0x$style & 0x00080000) == 0 )) || fail "the panel has a system menu: $style"
(( (0x$exstyle & 0x8) != 0 )) || fail "the panel is not topmost: $exstyle"
(( (0x$exstyle & 0x1) != 0 )) || fail "the panel has no dialog frame: $exstyle"
read -r _ _ _ _ cw ch < <(probe rect class:TSorvaneForm)
[ "$cw $ch" = "256 22" ] || fail "client size $cw x $ch, expected 256 x 22 for four buttons"
[ "$(probe count class:THikisuuForm)" = 0 ] || fail "the argument notice is shown although 3 was given"
pass "captionless, topmost, dialog-framed, 256 x 22"

sleep 1
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not end after WM_CLOSE"
sleep 0.5
first=$(log_messages | head -1)
last=$(log_messages | tail -1)
[ "$first" = "33788 51" ] || fail "first message '$first', expected the configuration 33788 51"
[ "$last" = "18 0" ] || fail "last message '$last', expected WM_QUIT"
log_messages | sed '1d;$d' | grep -qv '^33768 0$' && fail "unexpected messages between: $(log_messages | sort | uniq -c)"
ticks=$(log_messages | grep -c '^33768 0$' || true)
[ "$ticks" -ge 3 ] || fail "only $ticks stick reports in about a second and a half"
pass "JoyToKey saw: 33788 51, $ticks x 33768 0, then WM_QUIT"

[ -f Sorvane.ini ] || fail "no Sorvane.ini written at close"
sections=$(grep -c '^\[' Sorvane.ini)
keys=$(grep -c '=' Sorvane.ini)
[ "$sections $keys" = "22 146" ] || fail "Sorvane.ini has $sections sections and $keys keys"
pass "Sorvane.ini written with the 15 sections and 124 keys, then [PanelScale], [Switch], [Scan], [Voice], [Record], [JoyToKey] and [Panel]"
