#!/usr/bin/env bash
# Readies a Wine prefix to show the panel as Windows would: Japanese text (the
# face "ＭＳ Ｐゴシック" and the system's dialog fonts fall back to IPA P Gothic)
# and caption bars drawn by Wine itself, which a bare X server has no window
# manager for. Run with WINEPREFIX set.
set -euo pipefail
marker="$WINEPREFIX/.sorvane-prefix"
[ -f "$marker" ] && exit 0
link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
  wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d "ipagp.ttf,IPAPGothic" /f >/dev/null 2>&1
done
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "ＭＳ Ｐゴシック" /d IPAPGothic /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
touch "$marker"
