#!/usr/bin/env bash
# Runs the screen demo on the test display, takes a screenshot with the X tools and checks
# the colours of the main view's screen and of the screen window. SCREENSHOT=path keeps it.
set -u
. "$(dirname "$0")/../../screenshot.sh"
if ! run_demo "$1" 10000; then echo "the demo never got on screen"; exit 1; fi
sleep 0.3
take_shot
[ -n "${SCREENSHOT:-}" ] && cp "$shot" "$SCREENSHOT"
rc=0
# Screen 1's backdrop (0, 64, 128) fills most of the main view; screen 2's (160, 48, 0)
# fills the screen window over it. The engine keeps 5 bits a channel: (0, 66, 132) and
# (165, 49, 0) reach the display.
blue=$(count 1024x768+0+0 "#004284")
# Screen 2 is counted inside the screen window's client area only.
window=$(sed -n 's/^screen window \([0-9x+-]*\).*/\1/p' "$ready" | tr -d '\r')
brown=$(count "${window:-0x0+0+0}" "#A53100")
white=$(count 1024x768+0+0 "#FFFFFF")
if [ "$blue" -ge 200000 ]; then echo "ok   the main view shows screen 1 ($blue pixels)"; else echo "FAIL main view: $blue pixels of screen 1"; rc=1; fi
if [ "$brown" -ge 40000 ]; then echo "ok   the screen window shows screen 2 ($brown pixels in $window)"; else echo "FAIL screen window: $brown pixels of screen 2 in ${window:-no window}"; rc=1; fi
if [ "$white" -ge 300 ]; then echo "ok   the screens' text is there ($white white pixels)"; else echo "FAIL no text ($white white pixels)"; rc=1; fi
cat "$ready"
finish_shots
exit $rc
