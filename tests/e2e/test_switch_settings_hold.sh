# A button held when the switch settings dialog opens is released at once,
# not when the dialog closes: JoyToKey would go on typing its key for as long
# as the carer keeps the dialog open. A tap while it is open reaches nobody.
source "$(dirname "$0")/lib.sh"
new_work switch_settings_hold
write_settings "[Interval]" "ScanTimer=1" "[Sound]" "ON=0"
use_switch_file
start "$BUILD/JoyToKey.exe" --log "$WORK/JoyToKey.log" --unix-time
probe wait "JoyToKey " 20000 >/dev/null || fail "the stand-in did not open its window"
start_panel "$BUILD/SorvaneE2E.exe" 3
wait_highlight 1 4

# Watched from before the command, every millisecond: the dialog's first
# appearance is what the release is measured against.
watch_appearance class:SorvaneSwitchSettings appeared.txt
echo 1 >switch
for _ in $(seq 50); do grep -q ' 33779 ' JoyToKey.log && break; sleep 0.1; done
grep -q ' 33779 ' JoyToKey.log || fail "the held switch pressed no button"
open_menu
commanded=$(date +%s%3N)
xdotool key w
opened=$(appeared_at appeared.txt 30)
[ -n "$opened" ] || fail "スイッチ設定 (&W) opened no dialog"
sleep_until_ms $((opened + 500))
echo 0 >switch
sleep_until_ms $((opened + 2000))
python3 "$E2E_DIR/switch_driver.py" switch taps 1 150 0 >/dev/null
sleep_until_ms $((opened + 4500))
probe click class:SorvaneSwitchSettings 'キャンセル' || fail "no キャンセル in the dialog"
probe gone class:SorvaneSwitchSettings 10000 || fail "キャンセル did not close the dialog"
closed=$(date +%s%3N)
sleep 1.5

up=$(awk '$2 == 33778 {print $5; exit}' JoyToKey.log)
[ -n "$up" ] || fail "the held button was never released"
read -r presses ups unreleased < <(joytokey_presses <JoyToKey.log)
echo "dialog seen $((opened - commanded)) ms after the command; the release came $((up - opened)) ms" \
  "after it appeared, $((up - closed)) ms after it closed; in all $presses presses, $ups releases"
[ $((up - opened)) -le 50 ] || fail "the held button was released $((up - opened)) ms after the dialog appeared"
pass "the hold was released $((up - opened)) ms after the dialog appeared"
[ "$presses $ups $unreleased" = "1 1 0" ] ||
  fail "the hold and a tap during the dialog gave $presses presses, $ups releases, $unreleased unreleased"
pass "a tap during the dialog reached nobody"
