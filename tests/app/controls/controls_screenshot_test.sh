#!/usr/bin/env bash
# Runs the sprite controls demo on the test display, takes a screenshot with the X tools
# (copied to $CONTROLS_SHOT when that is set) and checks that text, the caret and the check
# boxes are where the demo puts them.
set -u
demo="$1"
. "$(dirname "$0")/../../screenshot.sh"
if ! run_demo "$demo" 6000; then echo "the demo never showed its frames"; exit 1; fi
sleep 0.3
take_shot
[ -n "${CONTROLS_SHOT:-}" ] && cp "$shot" "$CONTROLS_SHOT"
rc=0
expect() {  # region, colour, at least, what
  local n; n=$(count "$1" "$2")
  if [ "$n" -ge "$3" ]; then echo "ok   $4 ($n)"; else echo "FAIL $4 ($n pixels of $2 in $1)"; rc=1; fi
}
none() {
  local n; n=$(count "$1" "$2")
  if [ "$n" -eq 0 ]; then echo "ok   $3"; else echo "FAIL $3 ($n pixels of $2 in $1)"; rc=1; fi
}
line=$(grep -o 'line [0-9]*' "$ready" | cut -d' ' -f2)
# White label text on its rows; the left one starts at the left, the right one ends at the right.
expect "60x20+20+14" "#FFFFFF" 20 "left-aligned label at the left"
none "60x20+220+14" "#FFFFFF" "nothing at the right of the left-aligned label"
expect "60x20+220+$((14 + line * 2))" "#FFFFFF" 20 "right-aligned label at the right"
none "60x20+20+$((14 + line * 2))" "#FFFFFF" "nothing at the left of the right-aligned label"
# Gold text in the first field, and the caret.
expect "200x20+20+$((14 + line * 4))" "#FFCE39" 10 "typed text in the field"
# The ticked boxes show their gold tick, the unticked none.
expect "20x20+130+$((14 + line * 6 + 4))" "#FFDE00" 5 "the clicked box is ticked"
none "20x20+20+$((14 + line * 6 + 4))" "#FFDE00" "the first box is not"
# The hovered box is lit, the disabled one grey.
expect "16x16+242+$((14 + line * 6 + 6))" "#2950A5\|#2952A5\|#294DA5" 100 "the hovered box is lit"
expect "20x20+350+$((14 + line * 6 + 4))" "#7B7B7B" 50 "the disabled box is grey"
cat "$ready"
finish_shots
exit $rc
