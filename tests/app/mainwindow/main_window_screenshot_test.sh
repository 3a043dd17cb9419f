#!/usr/bin/env bash
# Runs the main window demo on the test display, takes a screenshot with the X tools and
# checks that the window shows its menu bar above the main view. SCREENSHOT=path keeps it.
set -u
. "$(dirname "$0")/../../screenshot.sh"
if ! run_demo "$1" 10000; then echo "the demo never got on screen"; exit 1; fi
sleep 0.3
take_shot
[ -n "${SCREENSHOT:-}" ] && cp "$shot" "$SCREENSHOT"
rc=0
# The main view shows screen 1's backdrop (0, 64, 128), which reaches the display as
# (0, 66, 132); the menu bar's texts are black on the menu colour.
blue=$(count 1024x768+0+0 "#004284")
if [ "$blue" -ge 200000 ]; then echo "ok   the main view shows screen 1 ($blue pixels)"; else echo "FAIL main view: $blue pixels"; rc=1; fi
if grep -q "menu items 4" "$ready"; then echo "ok   the lobby's menu bar has its four menus"; else echo "FAIL menu bar: $(cat "$ready")"; rc=1; fi
finish_shots
exit $rc
