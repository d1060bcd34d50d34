# The zip a carer downloads, unpacked into a new folder: the panel starts from
# there, and its program file carries its version, its icon and its manifest.
source "$(dirname "$0")/lib.sh"
new_work package
ZIP="$BUILD/${SORVANE_PACKAGE:-Sorvane-2.10.0-win64.zip}"
[ -f "$ZIP" ] || fail "no package $ZIP"
mkdir unpacked
python3 -m zipfile -e "$ZIP" unpacked
cd unpacked
[ -f "お読みください.txt" ] || fail "the read-me lost its name: $(ls)"

version=$(probe version Sorvane.exe | paste -sd'|')
expected_version=$(basename "$ZIP" | sed 's/^Sorvane-\(.*\)-win64\.zip$/\1/')
[ "$version" = "$expected_version|Sorvane|スイッチで操作するスキャンパネル" ] || fail "version resource: $version"
pass "version resource: $version"
read -r icons large small < <(probe icon Sorvane.exe)
[ "$icons" = 1 ] && [ "$large" = 32x32 ] && [ "$small" = 16x16 ] || fail "icon: $icons $large $small"
pass "one icon, 32x32 and 16x16"
manifest=$(probe manifest Sorvane.exe)
for part in '>PerMonitorV2' 'Microsoft.Windows.Common-Controls" version="6.0.0.0' 'level="asInvoker"' \
            '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'; do
  grep -qF -- "$part" <<<"$manifest" || fail "the manifest lacks $part"
done
pass "manifest: PerMonitorV2, common controls 6, asInvoker, Windows 7 to 11"

start_standin
start_panel "$PWD/Sorvane.exe" 3
read -r _ _ _ _ cw ch < <(probe rect class:TSorvaneForm)
[ "$cw $ch" = "256 22" ] || fail "client size $cw x $ch from the unpacked folder"
probe close class:TSorvaneForm
wait_gone "$panel_pid" 20 || fail "the panel did not end"
[ -f Sorvane.ini ] || fail "no Sorvane.ini beside the unpacked program"
pass "the panel ran from the unpacked folder and saved its settings there"
