# Measures how long the switch record window takes to open on a given record,
# and the panel's slowest answer to a message meanwhile (sent every 20 ms).
# Usage: measure_record_window.sh BUILD PANEL.exe RECORD.csv
source "$(dirname "$0")/lib.sh"
panel=$2
record=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
new_work record_window_measure
write_settings "[Interval]" "ScanTimer=5" "[Sound]" "ON=0" "[Record]" "ON=1"
cp "$record" Sorvane-record.csv
cp "$panel" SorvaneE2E.exe
start_standin
start_panel "$WORK/SorvaneE2E.exe" 3
sleep 2
probe answers class:TSorvaneForm $(($(date +%s%3N) + 25000)) 20 >answers.txt &
answering=$!
sleep 1
open_menu
watch_appearance class:SorvaneSwitchRecord appeared.txt
asked=$(date +%s%3N)
xdotool key i
probe wait class:SorvaneSwitchRecord 120000 >/dev/null || fail "the window did not appear"
sleep 0.5
shown=$(tr -d '\r' <appeared.txt | tail -1)
wait "$answering"
read -r answered slowest <answers.txt
echo "record $(($(stat -c %s Sorvane-record.csv) / 1048576)) MB: window open after $((shown - asked)) ms; slowest answer $slowest ms ($answered answered)"
probe close class:SorvaneSwitchRecord
probe gone class:SorvaneSwitchRecord 5000 || true
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || true
