#!/usr/bin/env bash
# Runs the reels demo on the test display, takes a screenshot with the X tools and checks
# the colours the demo lists: the symbols in the reels' rows after their stops and the
# digit pictures of the indicators. SCREENSHOT=path keeps the picture.
set -u
. "$(dirname "$0")/../../screenshot.sh"
if ! run_demo "$1" 12000; then echo "the reels never reported their stops"; exit 1; fi
sleep 0.3
take_shot
[ -n "${SCREENSHOT:-}" ] && cp "$shot" "$SCREENSHOT"
rc=0
if tr -d "\r" < "$ready" | grep -q "stops reported in order: 0 1 2$"; then
  echo "ok   stops reported once each, in order"
else
  echo "FAIL $(head -1 "$ready")"; rc=1
fi
while read -r word x y want what; do
  [ "$word" = check ] || continue
  got=$(pixel "$x" "$y")
  if [ "$got" = "$want" ]; then echo "ok   ($x,$y) $what"
  else echo "FAIL ($x,$y) $what: expected $want, got $got"; rc=1; fi
done < "$ready"
finish_shots
exit $rc
