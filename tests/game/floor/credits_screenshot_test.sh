#!/usr/bin/env bash
# The credits machine in the game window's main view after the About command; the
# screenshot is copied to $CREDITS_SHOT when that is set. The credit lines are dark ink on
# cream cards in the reel window, the heading and the frame are gold (both as the 16-bit
# display shows them).
set -u
demo="$1"
. "$(dirname "$0")/../../screenshot.sh"
if ! run_demo "$demo" 5000; then echo "the demo never showed its frames"; exit 1; fi
sleep 0.3
take_shot
[ -n "${CREDITS_SHOT:-}" ] && cp "$shot" "$CREDITS_SHOT"
cat "$ready"
rc=0
# The game's title, and the player's name and cash after it when somebody plays.
grep -q "credits shown screen 25 title 'Vellmoor(tm) Slots\( - .* : \$[0-9,.]*\)\?'" "$ready" || { echo "FAIL the credits screen"; rc=1; }
# How much of the cards shows depends on the stop the reel starts at (at least a card).
cards=$(count "" "#FFF7E7")
if [ "$cards" -ge 8000 ]; then echo "ok   credit cards on the reel ($cards)"; else echo "FAIL no cards ($cards)"; rc=1; fi
gold=$(count "" "#EFBD52")
if [ "$gold" -ge 1000 ]; then echo "ok   the gold heading and frame ($gold)"; else echo "FAIL no gold ($gold)"; rc=1; fi
finish_shots
exit $rc
