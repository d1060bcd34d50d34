# The installer, as a school's IT uses it: installed for one user without a
# question, started from its Start menu shortcut, upgraded by a newer version
# (an older one refused), removed; the carer's settings outlive all of it.
source "$(dirname "$0")/lib.sh"
new_work installer
MSI="$BUILD/${SORVANE_PACKAGE%.zip}.msi"
[ -f "$MSI" ] || fail "no installer $MSI"
version=$(basename "$MSI" | sed 's/^Sorvane-\(.*\)-win64\.msi$/\1/')
DIR="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Sorvane"
LINK="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Sorvane.lnk"
msiexec() { wine msiexec "$1" "$(winepath -w "$2")" /qn 2>>"$(wine_errors)"; }
installed() { wine uninstaller --list 2>>"$(wine_errors)" | tr -d '\r' | grep '|||Sorvane$' || true; }
product_code() { msiinfo export "$1" Property | tr -d '\r' | awk '$1 == "ProductCode" {print $2}'; }
# Nothing of an earlier run in this prefix.
msiexec /x "$MSI" || true
rm -rf "$DIR"

# A newer version of the same files, made as the build makes its own.
msiextract -C newer "$MSI" >/dev/null
next=${version%.*}.$((${version##*.} + 1))
python3 "$E2E_DIR/../../tools/make_installer.py" --stage newer/Programs/Sorvane --version "$next" \
  --icon "$BUILD/Sorvane.ico" --output "$WORK/Sorvane-$next-win64.msi" 2>/dev/null || fail "no newer installer"

msiexec /i "$MSI" || fail "msiexec /i ended with $?"
expected=$(msiextract -l "$MSI" | sed 's#.*/##' | sort)
[ "$(ls "$DIR" | sort)" = "$expected" ] || fail "installed: $(ls "$DIR" | paste -sd' ')"
[ -f "$LINK" ] || fail "no Start menu shortcut"
[ "$(installed | wc -l)" = 1 ] || fail "the installed programs list: $(installed)"
pass "installed for this user: $(echo "$expected" | paste -sd' '), a shortcut, one entry in the list"

# Through the shortcut: the panel runs from the installed folder and keeps its
# settings there. Closing, it asks JoyToKey to quit: each start has its own.
printf '[ScanMax]\r\nScanMax=2\r\n[Sound]\r\nON=0\r\n' >"$DIR/Sorvane.ini"
start_from_shortcut() {
  probe gone "JoyToKey " 20000 || fail "the stand-in did not quit ($1)"
  start_standin
  wine start /unix "$LINK" 2>>"$(wine_errors)"
  probe wait class:TSorvaneForm 30000 >/dev/null || fail "the shortcut started no panel ($1)"
  read -r _ _ _ _ width _ < <(probe rect class:TSorvaneForm)
  probe close class:TSorvaneForm
  probe gone class:TSorvaneForm 20000 || fail "the panel did not end ($1)"
  echo "$width"
}
two_buttons=$(start_from_shortcut "first")
grep -q '^ScanMax=2' "$DIR/Sorvane.ini" || fail "the settings beside the installed panel: $(cat "$DIR/Sorvane.ini")"
cp "$DIR/Sorvane.ini" settings.before
pass "the shortcut started the panel, which read and saved its settings in the installed folder"

msiexec /i "Sorvane-$next-win64.msi" || fail "the upgrade ended with $?"
newer_code="$(product_code "Sorvane-$next-win64.msi")|||Sorvane"
[ "$(installed)" = "$newer_code" ] || fail "after the upgrade the list holds: $(installed)"
cmp -s "$DIR/Sorvane.ini" settings.before || fail "the upgrade changed the settings"
msiexec /i "$MSI" && fail "version $version went over $next"
[ "$(installed)" = "$newer_code" ] || fail "after the older version the list holds: $(installed)"
pass "$next replaced $version and kept the settings; $version was then refused"

msiexec /x "Sorvane-$next-win64.msi" || fail "msiexec /x ended with $?"
left=$(ls "$DIR" | sort | comm -12 - <(echo "$expected"))
[ -z "$left" ] || fail "left after removal: $left"
[ ! -e "$LINK" ] || fail "the shortcut outlived the removal"
[ -z "$(installed)" ] || fail "still in the list: $(installed)"
cmp -s "$DIR/Sorvane.ini" settings.before || fail "the removal changed the settings"
pass "removed every file it installed, its shortcut and its entry; left the panel's own: $(ls "$DIR" | paste -sd' ')"

msiexec /i "$MSI" || fail "the reinstall ended with $?"
[ "$(start_from_shortcut "after reinstalling")" = "$two_buttons" ] || fail "the reinstalled panel lost its two buttons"
grep -q '^ScanMax=2' "$DIR/Sorvane.ini" || fail "the reinstalled panel lost its settings"
msiexec /x "$MSI" || fail "the last removal ended with $?"
rm -rf "$DIR"
pass "reinstalled, the panel came up with the settings it had"
