# A second start under the same file name is refused; another name runs beside.
source "$(dirname "$0")/lib.sh"
new_work single_instance
start_standin
start_panel "$BUILD/Sorvane.exe" 3
first_pid=$panel_pid
sleep 0.5
before=$(wc -l <JoyToKey.log)

mkdir -p other && cp "$BUILD/Sorvane.exe" other/Sorvane.exe
start other/Sorvane.exe 3
second_pid=${PIDS[-1]}
probe wait 'class:#32770' 20000 >/dev/null || fail "no message box for the second start"
text=$(probe text 'class:#32770')
echo "$text" | grep -qF '二重起動は出来ません。「Sorvane＋。」 はすでに実行されています！' ||
  fail "duplicate-start text was: $text"
probe click 'class:#32770' OK
wait_gone "$second_pid" 20 || fail "the second instance did not end"
[ "$(probe count class:TSorvaneForm)" = 1 ] || fail "the second start showed a panel"
kill -0 "$first_pid" || fail "the first instance ended"
configs=$(grep -c ' 33788 ' JoyToKey.log || true)
[ "$configs" = 1 ] || fail "JoyToKey got $configs configuration messages; the second start must send none"
pass "second start refused with its message; first untouched ($before lines before)"

cp "$BUILD/Sorvane.exe" Sorvane2.exe
start ./Sorvane2.exe 3
probe wait class:TSorvaneForm 20000 >/dev/null
for _ in $(seq 50); do [ "$(probe count class:TSorvaneForm)" = 2 ] && break; sleep 0.2; done
[ "$(probe count class:TSorvaneForm)" = 2 ] || fail "a copy under another name did not start beside"
pass "a copy under another file name runs beside the first"
