#!/usr/bin/env bash
# Runs the play side demo on the test display, takes a screenshot with the X tools and
# checks the machine after coins, a purchase and a pull of the arm: the caption, no coins
# left on the bet once the reels are still, a progressive above its seed, and the coin
# slot's picture and the arm, up again after its pull, where the demo names them.
# SCREENSHOT=path keeps the picture.
set -u
. "$(dirname "$0")/../../screenshot.sh"
shoot_demo "$1" 15000 || exit 1
rc=0
if grep -qx "caption Brass Lantern" "$ready.txt"; then echo "ok   the caption"; else echo "FAIL caption"; rc=1; fi
# Three coins dropped after the spin: the max bet of 2 and one credit more.
if grep -qx "Bet 2" "$ready.txt"; then echo "ok   the coins after the spin are bet"; else echo "FAIL Bet"; rc=1; fi
progressive=$(sed -n 's/^progressive //p' "$ready.txt")
if [ "${progressive:-0}" -ge 15000000 ]; then echo "ok   the progressive"; else echo "FAIL progressive"; rc=1; fi
points=0
while read -r what x y colour; do
  case "$what" in slot|arm) ;; *) continue ;; esac
  points=$((points + 1))
  seen=$(pixel "$x" "$y")
  if [ "$seen" = "$colour" ]; then echo "ok   $what at ($x, $y) shows $colour"; else echo "FAIL $what at ($x, $y) shows $seen, not $colour"; rc=1; fi
done < "$ready.txt"
[ "$points" -eq 2 ] || { echo "FAIL the demo named $points points"; rc=1; }
rm -f "$ready.txt"
finish_shots
exit $rc
