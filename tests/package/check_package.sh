# Builds the zip a carer downloads and checks that it holds exactly the program,
# its sound and help in Japanese and English, the read-mes, the change history and the licence, in one
# folder, and that the checksum file beside it matches it.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
ZIP="$BUILD/$2"
MSI="${ZIP%.zip}.msi"
rm -f "$ZIP" "$ZIP.sha256" "$MSI" "$MSI.sha256"
cmake --build "$BUILD" --target package >/dev/null
[ -f "$ZIP" ] || { echo "FAIL: no $ZIP"; exit 1; }
listing=$(python3 - "$ZIP" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    for info in sorted(z.infolist(), key=lambda i: i.filename):
        # Bit 11: the name is UTF-8, so Windows shows the Japanese name right.
        print(info.filename, "utf8" if info.flag_bits & 0x800 else "")
PY
)
expected=$'LICENSE.txt \nREADME-en.txt \nSorvane-en.chm \nSorvane.chm \nSorvane.exe \nZoboclick.wav \nお読みください.txt utf8\n変更履歴.txt utf8'
if [ "$listing" != "$expected" ]; then
  echo "FAIL: the zip holds:"; echo "$listing"; exit 1
fi
[ -f "$ZIP.sha256" ] || { echo "FAIL: no $ZIP.sha256"; exit 1; }
(cd "$(dirname "$ZIP")" && sha256sum --quiet -c "$(basename "$ZIP").sha256") ||
  { echo "FAIL: $(basename "$ZIP").sha256 does not match the zip"; exit 1; }
grep -qx "[0-9a-f]\{64\}  $(basename "$ZIP")" "$ZIP.sha256" ||
  { echo "FAIL: $(basename "$ZIP").sha256 reads: $(cat "$ZIP.sha256")"; exit 1; }
echo "ok: $(basename "$ZIP").sha256 matches"
# The installer is made with the zip, of the same files.
[ -f "$MSI" ] || { echo "FAIL: package made no $(basename "$MSI")"; exit 1; }
(cd "$(dirname "$MSI")" && sha256sum --quiet -c "$(basename "$MSI").sha256") ||
  { echo "FAIL: $(basename "$MSI").sha256 does not match the installer"; exit 1; }
[ "$(msiextract -l "$MSI" | sed 's#.*/##' | sort)" = "$(echo "$listing" | awk '{print $1}' | sort)" ] ||
  { echo "FAIL: the installer holds: $(msiextract -l "$MSI" | paste -sd' ')"; exit 1; }
echo "ok: $(basename "$MSI") holds the same files, its .sha256 matches"
echo "ok: $(basename "$ZIP") holds $(echo "$listing" | awk '{print $1}' | paste -sd' ')"
