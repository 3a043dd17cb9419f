#!/usr/bin/env bash
# Runs the grid pages demo on the test display for the Reels page, the Payouts page and the
# reel-symbol gallery, takes a screenshot of each with the X tools and checks what shows:
# the grid's white cells with the clicked cell in the status bar, and the gallery's
# thumbnails on their light ground. SCREENSHOT=prefix keeps the pictures.
set -u
. "$(dirname "$0")/../screenshot.sh"
rc=0
shoot() {  # shoot PAGE: the demo on the page, the screenshot in $shot
  if ! run_demo "$1" 4000 "$2"; then echo "FAIL the $2 demo never got on screen"; rc=1; return 1; fi
  sleep 1
  take_shot
  [ -n "${SCREENSHOT:-}" ] && cp "$shot" "${SCREENSHOT}_$2.png"
  return 0
}
if shoot "$1" reels; then
  if grep -q "Reel 2 Stop 5 Leaf 1" "$ready"; then echo "ok   the status bar names the clicked reel cell"; else echo "FAIL status: $(cat "$ready")"; rc=1; fi
  white=$(count "" "#FFFFFF")
  if [ "$white" -ge 100000 ]; then echo "ok   the reel grid shows ($white white pixels)"; else echo "FAIL reel grid: $white white pixels"; rc=1; fi
  finish_shots
fi
if shoot "$1" payouts; then
  white=$(count "" "#FFFFFF")
  if [ "$white" -ge 100000 ]; then echo "ok   the pay table shows ($white white pixels)"; else echo "FAIL pay table: $white white pixels"; rc=1; fi
  finish_shots
fi
if shoot "$1" gallery; then
  ground=$(count "" "#FFFFEF")
  if [ "$ground" -ge 40000 ]; then echo "ok   the gallery shows its thumbnails ($ground pixels of their ground)"; else echo "FAIL gallery: $ground pixels of the thumbnails' ground"; rc=1; fi
  finish_shots
fi
exit $rc
