#!/usr/bin/env bash
# Runs the screen demo on the test display, takes a screenshot with the X tools and checks
# the colours of the main view's screen and of the screen window. SCREENSHOT=path keeps it.
set -u
. "$(dirname "$0")/../../demo-screenshot.sh"
shot=${SCREENSHOT:-$(mktemp /tmp/screen_demo_shot.XXXXXX.png)}
demo_screenshot "$1" 10000 "$shot" || exit 1
count() {  # pixels of a colour in a region of the screenshot
  convert "$shot" -crop "$1" +repage txt:- 2>/dev/null | grep -ci "$2"
}
rc=0
# Screen 1's backdrop (0, 64, 128) fills most of the main view; screen 2's (160, 48, 0)
# fills the screen window over it. The engine keeps 5 bits a channel: (0, 66, 132) and
# (165, 49, 0) reach the display.
blue=$(count 1024x768+0+0 "#004284")
brown=$(count 1024x768+0+0 "#A53100")
white=$(count 1024x768+0+0 "#FFFFFF")
if [ "$blue" -ge 200000 ]; then echo "ok   the main view shows screen 1 ($blue pixels)"; else echo "FAIL main view: $blue pixels of screen 1"; rc=1; fi
if [ "$brown" -ge 40000 ]; then echo "ok   the screen window shows screen 2 ($brown pixels)"; else echo "FAIL screen window: $brown pixels of screen 2"; rc=1; fi
if [ "$white" -ge 300 ]; then echo "ok   the screens' text is there ($white white pixels)"; else echo "FAIL no text ($white white pixels)"; rc=1; fi
cat "$ready"
rm -f "$ready"
[ -n "${SCREENSHOT:-}" ] || rm -f "$shot"
exit $rc
