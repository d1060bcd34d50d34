# The switch record window draws a chart of a month of made-up presses, by
# day and by hour of the day, and gives its figures as text too.
source "$(dirname "$0")/lib.sh"
new_work record_chart
write_settings "[Sound]" "ON=0" "[Interval]" "ScanTimer=5" "[Record]" "ON=1"
python3 "$E2E_DIR/make_record.py" Sorvane-record.csv 30
start_standin
start_panel "$BUILD/SorvaneE2E.exe" 3
sleep 1
open_menu
xdotool key i
probe wait 'class:SorvaneSwitchRecord' 20000 >/dev/null || fail "スイッチの記録を見る (&I) opened no window"
sleep 1
mkdir -p /work/shots && screenshot /work/shots/record-chart.png
text=$(probe text 'class:SorvaneSwitchRecord')
today="$(date +%-m)/$(date +%-d)"
grep -q "^$today：[0-9]* 回、中央値 " <<<"$text" || fail "today's figures are not given as text: $text"
grep -q "^14 時台：[0-9]* 回、中央値 " <<<"$text" || fail "the hour's figures are not given as text: $text"
# The chart is drawn: its median blue is on the screen, and the ignored red.
colours=$("$CONVERT" /work/shots/record-chart.png -format %c histogram:info:- 2>/dev/null)
grep -qi '#1446A0' <<<"$colours" || fail "no median bar was drawn"
grep -qi '#D21E1E' <<<"$colours" || fail "no share of ignored presses was drawn"
probe close 'class:SorvaneSwitchRecord'
probe gone 'class:SorvaneSwitchRecord' 5000 || fail "the window did not close"
pass "the chart of 30 days and of the hours was drawn, its figures given as text"
