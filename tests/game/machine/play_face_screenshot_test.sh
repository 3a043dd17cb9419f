#!/usr/bin/env bash
# Runs the play face demo on the test display, takes a screenshot with the X tools and
# checks the meters after the spin: two coins bet on three Bells paid 20 into "WinnerPaid"
# and "Credit", and the machine's script showed the payment on its "Tally" indicator.
# SCREENSHOT=path keeps the picture.
set -u
. "$(dirname "$0")/../../screenshot.sh"
if ! run_demo "$1" 15000; then echo "the demo never got on screen"; exit 1; fi
sleep 0.3
take_shot
[ -n "${SCREENSHOT:-}" ] && cp "$shot" "$SCREENSHOT"
# The demo writes text with CRLF line ends.
tr -d '\r' < "$ready" > "$ready.txt"
cat "$ready.txt"
rc=0
for line in "caption Glass Harbor" "Credit 28" "Bet 0" "WinnerPaid 20" "Tally 1200"; do
  if grep -qx "$line" "$ready.txt"; then echo "ok   $line"; else echo "FAIL $line"; rc=1; fi
done
rm -f "$ready.txt"
finish_shots
exit $rc
