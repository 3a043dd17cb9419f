#!/usr/bin/env bash
# Runs the editor demo on the test display, takes a screenshot with the X tools and checks
# that the editor shows foxfire's backdrop with the selected reel area named in the status
# bar. SCREENSHOT=path keeps the picture.
set -u
. "$(dirname "$0")/../screenshot.sh"
if ! run_demo "$1" 10000; then echo "the demo never got on screen"; exit 1; fi
sleep 1
take_shot
[ -n "${SCREENSHOT:-}" ] && cp "$shot" "$SCREENSHOT"
rc=0
if grep -q "Reel 0 Area (110,120 96x192)" "$ready"; then echo "ok   the status bar names the selected reel area"; else echo "FAIL status: $(cat "$ready")"; rc=1; fi
black=$(count "" "#000000")
# The cabinet's brown, less what its award card below the reels covers (some 26,000 pixels).
brown=$(count "" "#422918")
if [ "$brown" -ge 80000 ]; then echo "ok   the backdrop shows ($brown pixels of its brown)"; else echo "FAIL backdrop: $brown brown pixels"; rc=1; fi
finish_shots
exit $rc
