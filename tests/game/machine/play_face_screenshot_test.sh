#!/usr/bin/env bash
# Runs the play face demo on the test display, takes a screenshot with the X tools and
# checks the meters after the spin: two coins bet on three Bells paid 20 into "WinnerPaid"
# and "Credit", and the machine's script showed the payment on its "Tally" indicator; the
# tool window shows the machine's art.
# SCREENSHOT=path keeps the picture.
set -u
. "$(dirname "$0")/../../screenshot.sh"
shoot_demo "$1" 15000 || exit 1
rc=0
for line in "caption Glass Harbor" "Credit 28" "Bet 0" "WinnerPaid 20" "Tally 1200"; do
  if grep -qx "$line" "$ready.txt"; then echo "ok   $line"; else echo "FAIL $line"; rc=1; fi
done
# The tool window's picture: the machine's art, not black.
read -r left top right bottom _ < <(sed -n 's/^window //p' "$ready.txt")
geometry="$((right - left))x$((bottom - top))+$left+$top"
area=$(((right - left) * (bottom - top)))
dark=$(count "$geometry" "#000000")
if [ "$area" -gt 10000 ] && [ "$dark" -lt $((area / 4)) ]; then echo "ok   the tool window shows the machine at $geometry"
else echo "FAIL the tool window at $geometry: $dark of $area pixels black"; rc=1; fi
rm -f "$ready.txt"
finish_shots
exit $rc
