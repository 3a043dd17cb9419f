#!/usr/bin/env bash
# Starts the game. Without a display it runs under Xvfb for a few seconds and keeps a
# screenshot in $BUILD/screenshot.png.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/with-display.sh"
BUILD=${BUILD:-build}
exe="$BUILD/bin/vsl.exe"
if [ -n "${DISPLAY:-}" ]; then
  "$here/wine-settings.sh"
  exec wine "$exe" "$@"
fi
# Wine's desktop process starts with the first Wine program: it must see the display.
start_display
"$here/wine-settings.sh"
wine "$exe" "$@" &
pid=$!
sleep "${PLAY_SECONDS:-8}"
xwd -root -silent | convert xwd:- "$BUILD/screenshot.png"
echo "No display here: the game ran under Xvfb; screenshot saved to $BUILD/screenshot.png"
wineserver -k >/dev/null 2>&1
wait $pid 2>/dev/null
stop_display
