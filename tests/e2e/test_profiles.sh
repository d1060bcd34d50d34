# Each person keeps their own settings. Two shortcuts whose "Start in" folders
# hold their own Sorvane.ini, started in turn and changed, keep each its own
# over three rounds, and nothing is written beside the program; so do
# /profile:たろう and /profile:はなこ, named in the title and listed under the
# menu's "利用者 (&R)".
source "$(dirname "$0")/lib.sh"
new_work profiles
mkdir prog taro hanako
cp "$BUILD/Sorvane.exe" "$BUILD/Zoboclick.wav" prog/
PROG="$WORK/prog"
ini_text() { iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'; }
client_width() { probe rect class:TSorvaneForm | awk '{print $5}'; }
strip_width() { echo $((60 * $1 + 16)); }
sjis_settings() { printf '%s\r\n' "[ScanMax]" "ScanMax=$2" "[BtnName]" "Name1=$3" | iconv -f UTF-8 -t CP932 >"$1"; }

# Starts the panel with the arguments given, checks it shows $1 buttons,
# chooses $2 from the menu and closes it.
start_change_close() {
  local shown=$1 chosen=$2
  shift 2
  start_standin
  start_panel "$PROG/Sorvane.exe" "$@"
  [ "$(client_width)" = "$(strip_width "$shown")" ] ||
    fail "in $(basename "$PWD") with $*: client width $(client_width), not that of $shown buttons"
  open_menu
  xdotool key b
  sleep 0.5
  xdotool key "$chosen"
  for _ in $(seq 50); do [ "$(client_width)" = "$(strip_width "$chosen")" ] && break; sleep 0.1; done
  [ "$(client_width)" = "$(strip_width "$chosen")" ] || fail "the menu did not make $chosen buttons"
  title=$(probe text class:TSorvaneForm | head -1)
  probe close class:TSorvaneForm
  wait_gone "$panel_pid" 20 || fail "the panel did not close"
}

sjis_settings "$PROG/Sorvane.ini" 4 "ほんたい"
cp "$PROG/Sorvane.ini" beside.ini
sjis_settings taro/Sorvane.ini 3 "たろう"
sjis_settings hanako/Sorvane.ini 2 "はなこ"
taro=(3 5 4 6)
hanako=(2 7 3 5)
for round in 1 2 3; do
  for person in taro hanako; do
    declare -n counts=$person
    cd "$WORK/$person"
    start_change_close "${counts[round - 1]}" "${counts[round]}" 3
    ini_text Sorvane.ini | grep -qx "ScanMax=${counts[round]}" || fail "round $round: $person's ScanMax not saved"
    ini_text Sorvane.ini | grep -qx "Name1=$( [ $person = taro ] && echo たろう || echo はなこ)" ||
      fail "round $round: $person's name lost"
    [ -s Sorvane.log ] || fail "no log in $person's start folder"
  done
done
cmp -s "$PROG/Sorvane.ini" "$WORK/beside.ini" || fail "the settings beside the program changed"
pass "two start folders, three rounds: each kept its own ScanMax and names; the program's file untouched"

cd "$PROG"
taro=(4 6 3 5)
hanako=(4 2 8 7)
for round in 1 2 3; do
  for person in たろう はなこ; do
    [ $person = たろう ] && declare -n counts=taro || declare -n counts=hanako
    start_change_close "${counts[round - 1]}" "${counts[round]}" 3 "/profile:$person"
    [ "$title" = "「Sorvane＋。」Ver 2.10 （$person）" ] || fail "title '$title'"
    ini_text "Profiles/$person/Sorvane.ini" | grep -qx "ScanMax=${counts[round]}" ||
      fail "round $round: $person's ScanMax not saved in Profiles/$person"
  done
done
cmp -s "$PROG/Sorvane.ini" "$WORK/beside.ini" || fail "the settings without a profile changed"
pass "/profile:たろう and /profile:はなこ, three rounds: each kept its own in Profiles\\名前\\, named in the title"

start_standin
start_panel "$PROG/Sorvane.exe" 3 "/profile:はなこ"
open_menu
xdotool key r
sleep 1
screenshot "$WORK/profiles-menu.png"
xdotool key Escape Escape
sleep 0.5
open_menu
xdotool key r
sleep 0.5
# 利用者なし, たろう, はなこ, then 新しい利用者…
xdotool key Down Down Down Return
probe wait '新しい利用者' 10000 >/dev/null || fail "no dialog for a new profile's name"
xdotool type --delay 50 'CON'
xdotool key Return
for _ in $(seq 50); do probe text '新しい利用者' | grep -q '装置の名前' && break; sleep 0.1; done
probe text '新しい利用者' | grep -q '装置の名前' || fail "the name CON was not refused with its reason"
screenshot "$WORK/profiles-refused.png"
xdotool key ctrl+a
xdotool type --delay 50 'jiro'
xdotool key Return
probe gone '新しい利用者' 10000 >/dev/null || fail "the dialog stayed open"
for _ in $(seq 50); do [ -f "$PROG/Profiles/jiro/Sorvane.ini" ] && break; sleep 0.1; done
ini_text "$PROG/Profiles/jiro/Sorvane.ini" | grep -qx "ScanMax=7" || fail "the new profile is not a copy of はなこ's settings"
title=$(probe text class:TSorvaneForm | head -1)
[ "$title" = "「Sorvane＋。」Ver 2.10 （jiro）" ] || fail "title after the new profile: '$title'"
open_menu
xdotool key r
sleep 0.5
# 利用者なし, jiro, たろう
xdotool key Down Down Return
for _ in $(seq 50); do [ "$(client_width)" = "$(strip_width 5)" ] && break; sleep 0.1; done
[ "$(client_width)" = "$(strip_width 5)" ] || fail "choosing たろう did not show たろう's 5 buttons at once"
title=$(probe text class:TSorvaneForm | head -1)
[ "$title" = "「Sorvane＋。」Ver 2.10 （たろう）" ] || fail "title after switching: '$title'"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not close"
pass "the menu lists the profiles, refuses CON with its reason, copies into a new one and switches at once"
