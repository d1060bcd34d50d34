# A settings file held open by another program at start: held for a second it
# is waited for and read; held longer the carer is told, the panel runs on the
# defaults and its close leaves the file byte for byte as it was.
source "$(dirname "$0")/lib.sh"
new_work settings_held
printf '%s\r\n' "[ScanMax]" "ScanMax=3" "[BtnName]" "Name1=いち" | iconv -f UTF-8 -t CP932 >Sorvane.ini
cp Sorvane.ini carers.ini
# Left by a save that was cut short: the next save replaces it.
head -c 100000 /dev/urandom >Sorvane.ini.new
start_standin

start "$BUILD/holdlock.exe" Sorvane.ini 1000 locked1
for _ in $(seq 100); do [ -f locked1 ] && break; sleep 0.1; done
[ -f locked1 ] || fail "the helper did not take the lock"
held_from=$(date +%s%N)
start_panel "$BUILD/Sorvane.exe" 3
shown_after=$(( ($(date +%s%N) - held_from) / 1000000 ))
[ "$(probe count 'class:#32770')" = 0 ] || fail "a box came up for a file held for a second"
probe text class:TSorvaneForm | grep -qx 'いち' || fail "Name1 was not read: $(probe text class:TSorvaneForm | tr '\n' ' ')"
read -r _ _ _ _ cw _ < <(probe rect class:TSorvaneForm)
[ "$cw" = 196 ] || fail "client width $cw, expected 196 for the three buttons of the file"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
iconv -f CP932 -t UTF-8 Sorvane.ini | grep -q '^Name1=いち' || fail "the save lost Name1"
[ ! -e Sorvane.ini.new ] || fail "the leftover temporary file is still there ($(stat -c %s Sorvane.ini.new) bytes)"
pass "held for 1 s: read (panel shown ${shown_after} ms after the lock was taken), saved, leftover temporary file replaced"

cp carers.ini Sorvane.ini
start_standin
start "$BUILD/holdlock.exe" Sorvane.ini 4000 locked2
lock_pid=${PIDS[-1]}
for _ in $(seq 100); do [ -f locked2 ] && break; sleep 0.1; done
[ -f locked2 ] || fail "the helper did not take the lock"
held_from=$(date +%s%N)
start "$BUILD/Sorvane.exe" 3
panel_pid=${PIDS[-1]}
probe wait 'class:#32770' 20000 >/dev/null || fail "no box for a file held longer"
box_after=$(( ($(date +%s%N) - held_from) / 1000000 ))
text=$(probe text 'class:#32770')
echo "$text" | grep -qF '\Sorvane.ini を読み込めません' || fail "box text: $text"
echo "$text" | grep -qF '終了時にも設定は保存されません' || fail "box text: $text"
wait_gone "$lock_pid" 20 || fail "the helper did not end"
probe click 'class:#32770' OK
probe wait class:TSorvaneForm 20000 >/dev/null || fail "no panel after the box"
read -r _ _ _ _ cw _ < <(probe rect class:TSorvaneForm)
[ "$cw" = 256 ] || fail "client width $cw, expected the default four buttons"
probe text class:TSorvaneForm | grep -qx 'ボタン１' || fail "the default names are not shown"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
cmp -s Sorvane.ini carers.ini || fail "the carer's file changed at close"
pass "held for 4 s: reported ${box_after} ms after the lock was taken, ran on the defaults, file byte for byte unchanged after the close with the lock gone"
