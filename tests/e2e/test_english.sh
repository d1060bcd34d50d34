# With Language=en the panel speaks English: the notice, the menu, the switch
# settings dialog, the name editor and the record window, each looked at in a
# screenshot, with every text in them measured by the panel in its own font;
# and the help item opens the English help.
source "$(dirname "$0")/lib.sh"
new_work english
cp "$BUILD/Sorvane-en.chm" "$BUILD/Sorvane.chm" "$WORK/"
# A made-up record of today, short presses among them, so that the window
# has suggestions to word.
today=$(date +%Y-%m-%d)
{
  printf '日時,スイッチ,押していた時間(ms),判定,理由,点灯位置,点灯していた時間(ms),送ったボタン,モード\r\n'
  for i in $(seq 10 39); do
    printf '%s 09:%02d:00.000,1,180,受付,,2,%d,2,通常\r\n' "$today" "$i" $((900 + 40 * i))
    printf '%s 09:%02d:30.000,1,40,無視,受付時間より短い,3,300,,通常\r\n' "$today" "$i"
  done
} >Sorvane-record.csv
write_settings "[Sound]" "ON=0" "[Panel]" "Language=en" "[Record]" "ON=1" "[Switch]" "AcceptTime=60"
start_standin
shots="$BUILD/english-screenshots"
mkdir -p "$shots"

# Crops window $1 out of a screenshot into $2.png, after a look at its title.
shoot() {
  local x y w h
  read -r x y w h _ _ < <(probe rect "$1")
  screenshot screen.png
  "$CONVERT" screen.png -crop "${w}x${h}+${x}+${y}" +repage "$shots/$2.png"
}

use_switch_file
SORVANE_E2E_FIT_FILE="$(winepath -w "$WORK/fit.txt" 2>/dev/null)"
export SORVANE_E2E_FIT_FILE
start_panel "$BUILD/SorvaneE2E.exe"
probe wait class:THikisuuForm 5000 >/dev/null || fail "no notice without a setting number"
probe text class:THikisuuForm | head -1 | grep -qx 'Start-up note' || fail "notice title: $(probe text class:THikisuuForm)"
shoot class:THikisuuForm notice
probe gone class:THikisuuForm 15000 || fail "the notice stayed"
pass "the notice is in English"

open_menu
sleep 0.5
read -r mx my mw mh _ _ < <(probe rect 'class:#32768')
screenshot screen.png
"$CONVERT" screen.png -crop "${mw}x${mh}+${mx}+${my}" +repage "$shots/menu.png"
xdotool key w
probe wait 'class:SorvaneSwitchSettings' 5000 >/dev/null || fail "Switch settings (&W) opened no dialog"
probe text 'class:SorvaneSwitchSettings' | head -1 | grep -qx 'Switch settings' || fail "dialog title"
probe text 'class:SorvaneSwitchSettings' | grep -qx 'Shortest press (0-5000 ms)' || fail "dialog labels"
shoot 'class:SorvaneSwitchSettings' switch-settings
probe click 'class:SorvaneSwitchSettings' Cancel
probe gone 'class:SorvaneSwitchSettings' 5000 || fail "Cancel did not close the dialog"
pass "menu and switch settings in English"

open_menu
xdotool key e
probe wait class:TNameForm 5000 >/dev/null || fail "the name editor did not open"
probe text class:TNameForm | head -1 | grep -qx 'Button names' || fail "editor title"
probe text class:TNameForm | grep -qx 'Button 18' || fail "the default names are not English"
shoot class:TNameForm name-editor
probe click class:TNameForm OK
probe gone class:TNameForm 5000 || fail "OK did not close the editor"
probe text class:TSorvaneForm | grep -qx 'Button 1' || fail "button 1: $(probe text class:TSorvaneForm | tr '\n' ' ')"
pass "name editor in English"

open_menu
xdotool key i
probe wait 'class:SorvaneSwitchRecord' 5000 >/dev/null || fail "Show the switch record (&I) opened no window"
probe text 'class:SorvaneSwitchRecord' | grep -qx 'Suggestions' ||
  fail "the record window is not in English: $(probe text 'class:SorvaneSwitchRecord' | tr '\n' '|')"
shoot 'class:SorvaneSwitchRecord' record-window
probe click 'class:SorvaneSwitchRecord' Close
probe gone 'class:SorvaneSwitchRecord' 5000 || fail "Close did not close the window"
pass "record window in English"

open_menu
xdotool key h
wait_for_log() {
  for _ in $(seq 100); do grep -q "$1" Sorvane.log 2>/dev/null && return 0; sleep 0.1; done
  return 1
}
wait_for_log 'Sorvane-en\.chm' || fail "the help opened is not named in the log: $(tail -3 Sorvane.log)"
probe wait 'Sorvane Help' 20000 >/dev/null || fail "the English help did not open"
pass "help: $(iconv -f CP932 -t UTF-8 Sorvane.log | grep chm | tail -1 | tr -d "\r")"
probe close 'Sorvane Help' >/dev/null 2>&1 || true

probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
grep -q '^Language=en' Sorvane.ini || fail "the language was not kept"
for window in SorvaneSwitchSettings TNameForm SorvaneSwitchRecord; do
  grep -q "^$window	checked" fit.txt || fail "$window was not measured: $(cat fit.txt)"
done
! grep -v '	checked' fit.txt || fail "texts cut off, as needed and as given: see above"
pass "every text of the notice and the three windows fits its control"
pass "screenshots in $shots"
