# The menu's "ログオン時に起動 (&L)" writes the panel's value under the current
# user's Run key, the program's full path quoted and its number, and removes it
# when chosen again.
source "$(dirname "$0")/lib.sh"
new_work logon_item
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
run_value() { wine reg query "$RUN_KEY" /v Sorvane 2>/dev/null | tr -d '\r' | sed -n 's/^ *Sorvane *REG_SZ *//p'; }
forget_value() { wine reg delete "$RUN_KEY" /v Sorvane /f >/dev/null 2>&1 || true; }
# Left behind, the value would start the panel with every later Wine session.
trap 'forget_value; cleanup' EXIT
forget_value

start_standin
start_panel "$BUILD/Sorvane.exe" 3
expected="\"$(winepath -w "$(beside_work "$BUILD/Sorvane.exe")" 2>/dev/null)\" 3"
open_menu
xdotool key l
for _ in $(seq 50); do [ -n "$(run_value)" ] && break; sleep 0.1; done
[ "$(run_value)" = "$expected" ] || fail "after ticking, the Run value is '$(run_value)', not '$expected'"
pass "ticked: the Run value is $expected"

open_menu
xdotool key l
for _ in $(seq 50); do [ -z "$(run_value)" ] && break; sleep 0.1; done
[ -z "$(run_value)" ] || fail "after unticking, the Run value is still '$(run_value)'"
probe wait 'class:#32770' 500 >/dev/null && fail "a message box came up"
pass "unticked: the Run value is gone, with no message"
