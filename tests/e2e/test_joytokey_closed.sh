# JoyToKey closed while the panel runs: the warning, then the panel ends.
source "$(dirname "$0")/lib.sh"
new_work joytokey_closed
start_standin
start_panel "$BUILD/Sorvane.exe" 3
probe close "JoyToKey "
probe wait 'class:#32770' 10000 >/dev/null || fail "no warning box"
text=$(probe text 'class:#32770')
echo "$text" | grep -qx 'エラー' || fail "warning caption: $text"
echo "$text" | grep -qF '「Kelpimo。」を接続して' || fail "warning text: $text"
echo "$text" | grep -qF 'JoyToKey Ver3.7以降をインストールして' || fail "warning text: $text"
kill -0 "$panel_pid" || fail "the panel ended before the warning was dismissed"
probe click 'class:#32770' OK
wait_gone "$panel_pid" 20 || fail "the panel did not end after the warning"
[ -f Sorvane.ini ] || fail "settings not saved on the way out"
pass "warning read and dismissed; the panel ended and saved its settings"
