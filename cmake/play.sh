#!/usr/bin/env bash
# Starts the game. Without a display it runs under Xvfb for a few seconds and keeps a
# screenshot in $BUILD/screenshot.png, provided the game is still running by then; when it
# is not, this exits with the game's exit code and shows the errors Wine reported.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/with-display.sh"
BUILD=${BUILD:-build}
exe="$BUILD/bin/vsl.exe"
# Our CD, drawn by the content generator, is drive D: of the game's prefix.
export VSL_CD="$BUILD/cd"
# Wine's errors (a DLL that is missing, an import that cannot be resolved) stay visible.
export WINEDEBUG=-all,err+all
# Wine's services read the drive types once, when they start: after the CD is mounted they
# are let go, so that the game's start finds drive D: a CD-ROM.
settle() {
  "$here/wine-settings.sh"
  "$here/cd-settings.sh"
  wineserver -w
}
# On the player's own display its window manager manages the game's windows; the private
# Xvfb below has none.
if [ -n "${DISPLAY:-}" ]; then
  VSL_MANAGED_WINDOWS=1 settle
  exec wine "$exe" "$@"
fi
# Wine's desktop process starts with the first Wine program: it must see the display.
start_display
settle
log="$BUILD/play-wine.log"
wine "$exe" "$@" 2>"$log" &
pid=$!
sleep "${PLAY_SECONDS:-8}"
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid"; rc=$?
  echo "The game ended before the screenshot, with exit code $rc. Wine reported:"
  tr -d '\r' <"$log"
  wineserver -k >/dev/null 2>&1
  stop_display
  exit $(( rc == 0 ? 1 : rc ))
fi
import -window root "$BUILD/screenshot.png"
echo "No display here: the game ran under Xvfb; screenshot saved to $BUILD/screenshot.png"
wineserver -k >/dev/null 2>&1
wait $pid 2>/dev/null
stop_display
