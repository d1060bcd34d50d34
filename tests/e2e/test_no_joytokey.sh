# No JoyToKey anywhere: both warnings in order, owned by the panel's window
# (not yet shown), the panel shown, then the first tick's message, and the
# settings saved on the way out.
source "$(dirname "$0")/lib.sh"
new_work no_joytokey
write_settings "[Sound]" "ON=0" "[Carer]" "Note=kept"
# A copy of the panel away from the build folder, where the stand-in lies:
# the shell also looks for "JoyToKey" beside the running program.
cp "$BUILD/Sorvane.exe" "$WORK/"
start "$WORK/Sorvane.exe" 3
panel_pid=${PIDS[-1]}
probe wait 'class:#32770' 120000 >/dev/null || fail "no first warning"
probe text 'class:#32770' | grep -qx 'JoyToKeyがインストールされていません' || fail "first warning: $(probe text 'class:#32770')"
[ "$(probe owner 'class:#32770')" = TSorvaneForm ] || fail "the first warning is owned by '$(probe owner 'class:#32770')'"
probe click 'class:#32770' OK
probe gone 'class:#32770' 5000 || true
probe wait 'class:#32770' 20000 >/dev/null || fail "no launch warning"
probe text 'class:#32770' | grep -qF '「Kelpimo。」を接続するか' || fail "second warning: $(probe text 'class:#32770')"
[ "$(probe owner 'class:#32770')" = TSorvaneForm ] || fail "the launch warning is owned by '$(probe owner 'class:#32770')'"
probe click 'class:#32770' OK
probe wait class:TSorvaneForm 20000 >/dev/null || fail "the panel was not shown after the warnings"
probe wait 'class:#32770' 20000 >/dev/null || fail "no message at the first tick"
probe text 'class:#32770' | grep -qF '「Kelpimo。」を接続して' || fail "tick warning: $(probe text 'class:#32770')"
probe click 'class:#32770' OK
wait_gone "$panel_pid" 20 || fail "the panel did not end"
grep -q '^ScanMax=4' Sorvane.ini || fail "settings not saved on the way out"
grep -q '^Note=kept' Sorvane.ini || fail "the carer's note was lost"
pass "not installed, then the launch warning, both owned by the panel; the panel, the tick's warning; settings saved"
