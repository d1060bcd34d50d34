# Settings files that a carer's editor saved in UTF-8 or UTF-16 with a
# byte-order mark: read, Japanese names and sections included, and written
# back in the same encoding.
source "$(dirname "$0")/lib.sh"
new_work settings_unicode
body() { printf '%s\r\n' "[ScanMax]" "ScanMax=3" "[起動時の縦座標]" "YPOS=200" "[BtnName]" "Name1=いち" "Name2=にばん"; }

check_panel() {
  probe text class:TSorvaneForm | grep -qx 'いち' || fail "$1: Name1 not read: $(probe text class:TSorvaneForm | tr '\n' ' ')"
  probe text class:TSorvaneForm | grep -qx 'にばん' || fail "$1: Name2 not read"
  read -r _ _ _ _ cw _ < <(probe rect class:TSorvaneForm)
  [ "$cw" = 196 ] || fail "$1: client width $cw; the first section was not read"
  probe close class:TSorvaneForm
  wait_gone "$panel_pid" 20 || fail "$1: the panel did not close"
}

check_saved() {  # $1 name, $2 UTF-8 text of the saved file
  for line in 'ScanMax=3' '[起動時の縦座標]' 'YPOS=200' 'Name1=いち' 'Name2=にばん' '[バージョン]'; do
    grep -qxF "$line" <<<"$(tr -d '\r' <<<"$2")" || fail "$1: saved file lacks '$line'"
  done
  [ "$(grep -c '=' <<<"$2")" = 146 ] || fail "$1: saved file has $(grep -c '=' <<<"$2") keys"
}

{ printf '\xEF\xBB\xBF'; body; } >Sorvane.ini
start_standin
start_panel "$BUILD/Sorvane.exe" 3
[ "$(probe count 'class:#32770')" = 0 ] || fail "UTF-8: a box came up"
check_panel UTF-8
[ "$(head -c 3 Sorvane.ini | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "UTF-8: the mark is gone"
tail -c +4 Sorvane.ini | iconv -f UTF-8 -t UTF-8 >/dev/null || fail "UTF-8: the saved file is not UTF-8"
check_saved UTF-8 "$(tail -c +4 Sorvane.ini)"
pass "UTF-8 with a mark: read with its Japanese names and sections, saved as UTF-8 with the mark"

{ printf '\xFF\xFE'; body | iconv -f UTF-8 -t UTF-16LE; } >Sorvane.ini
start_standin
start_panel "$BUILD/Sorvane.exe" 3
check_panel UTF-16
[ "$(head -c 2 Sorvane.ini | od -An -tx1 | tr -d ' ')" = fffe ] || fail "UTF-16: the mark is gone"
saved=$(tail -c +3 Sorvane.ini | iconv -f UTF-16LE -t UTF-8) || fail "UTF-16: the saved file is not UTF-16"
check_saved UTF-16 "$saved"
pass "UTF-16 with a mark: read, saved as UTF-16 little-endian with the mark"
