# Every caption fits its button at every size of the panel: a 16 pt bold
# caption, and a second stick's name in the design's font, keep clear of the
# face's edges and of the rows the window cuts off. The shots are kept in the
# test's folder and beside the build.
source "$(dirname "$0")/lib.sh"
new_work caption_fits
# Is any pixel of the $4 x $5 area at $2,$3 of shot $1 dark (a caption's)?
dark_in() {
  local darkest
  darkest=$("$CONVERT" "$1" -crop "${4}x${5}+$2+$3" +repage -format '%[fx:int(255 * minima.intensity)]' info:)
  [ "$darkest" -lt 100 ]
}
for scale in 1 2 3 4; do
  # Unlit captions in the button text colour, so that both buttons' captions are dark.
  write_settings "[Sound]" "ON=0" "[Interval]" "ScanTimer=5" "[ScanMax]" "ScanMax=2" "[PanelScale]" "Scale=$scale" \
    "[Scan]" "IdleCaptions=1" "[BtnName]" "Name1=ボタン11" "[BtnFont]" "FontSize2=16" "FontStyle2=1"
  start_standin  # each close tells JoyToKey to quit
  start_panel "$BUILD/Sorvane.exe" 3
  sleep 1.5
  read -r x y < <(panel_origin)
  read -r _ _ w h cw ch < <(probe rect class:TSorvaneForm)
  screenshot "screen$scale.png"
  "$CONVERT" "screen$scale.png" -crop "${cw}x${ch}+$x+$y" +repage "panel-x$scale.png"
  [ "$scale" = 1 ] && cp panel-x1.png "$BUILD/caption-fits-screenshot.png"
  probe close class:TSorvaneForm
  wait_gone "$panel_pid" 10 || fail "the panel did not close"
  px() { echo $(( $1 * scale )); }  # the screen has 96 dots per inch
  for k in 1 2; do
    left=$(px $((20 + 60 * (k - 1))))
    width=$(px 56)
    edge=$(px 2)
    # The first row and columns of the face inside the bevels, and its last row in view.
    dark_in "panel-x$scale.png" "$left" "$edge" "$width" 1 && fail "×$scale: button $k's caption is cut at the top"
    dark_in "panel-x$scale.png" "$left" $((ch - 1)) "$width" 1 && fail "×$scale: button $k's caption is cut at the bottom"
    dark_in "panel-x$scale.png" $((left + edge)) 0 1 "$ch" && fail "×$scale: button $k's caption touches its left edge"
    dark_in "panel-x$scale.png" $((left + width - edge - 1)) 0 1 "$ch" && fail "×$scale: button $k's caption touches its right edge"
    dark_in "panel-x$scale.png" $((left + width / 4)) "$((edge + 1))" $((width / 2)) $((ch - 2 * edge - 2)) ||
      fail "×$scale: button $k shows no caption"
  done
done
cp panel-x*.png "$BUILD/" 2>/dev/null || true
pass "captions clear of every edge at ×1 to ×4 (shots in $WORK)"
