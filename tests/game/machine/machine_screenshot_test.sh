#!/usr/bin/env bash
# Runs the machine screen demo on the test display, takes a screenshot with the X tools and
# checks that the tool window shows the machine's title and, at the points the demo names,
# the backdrop band that the camera position puts there. SCREENSHOT=path keeps the picture.
set -u
. "$(dirname "$0")/../../screenshot.sh"
shoot_demo "$1" 12000 || exit 1
rc=0
if grep -q "^caption Tall Harbor$" "$ready.txt"; then echo "ok   the caption is the machine's title"; else echo "FAIL caption"; rc=1; fi
points=0
while read -r x y colour; do
  [[ "$x" =~ ^[0-9]+$ ]] || continue
  points=$((points + 1))
  seen=$(pixel "$x" "$y")
  if [ "$seen" = "$colour" ]; then echo "ok   ($x, $y) shows $colour"; else echo "FAIL ($x, $y) shows $seen, not $colour"; rc=1; fi
done < "$ready.txt"
[ "$points" -eq 4 ] || { echo "FAIL the demo named $points points"; rc=1; }
rm -f "$ready.txt"
finish_shots
exit $rc
