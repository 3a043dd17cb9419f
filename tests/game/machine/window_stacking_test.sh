#!/usr/bin/env bash
# The machine window stays above the main window under a window manager: on a display of
# its own with openbox running and managing the game's windows, as `make play` leaves them
# on a desktop, the machine screen demo opens a menu of the main window, a dialog of the
# main window and a box of the machine's in turn; while each waits, the points the demo
# names inside the main window's area show the machine's backdrop, not the main window over
# it. The demo runs in the prefix named second (the tests' own prefix hands no window to a
# manager), made when ctest starts and given here the settings play.sh gives the game's
# prefix on a display: they must leave no "Managed" value. SHOTS=folder keeps the pictures.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../screenshot.sh"
. "$here/../../../cmake/with-display.sh"
if ! command -v openbox >/dev/null; then echo "openbox is not installed"; exit 1; fi
export WINEPREFIX=$2
if [ ! -f "$WINEPREFIX/system.reg" ]; then echo "FAIL there is no prefix $WINEPREFIX"; exit 1; fi
VSL_MANAGED_WINDOWS=1 "$here/../../../cmake/wine-settings.sh"
wineserver -w
# The values of the X11 driver's key in the prefix's user registry.
x11_values() { awk '/^\[/ { inside = ($0 ~ /^\[Software\\\\Wine\\\\X11 Driver\]/) } inside' "$WINEPREFIX/user.reg"; }
if x11_values | grep -q '"Managed"'; then
  echo "FAIL the play settings leave $(x11_values | grep '"Managed"') in the X11 driver's key"
  exit 1
fi
echo "ok   the play settings leave no \"Managed\" value"
VSL_FORCE_XVFB=1 start_display
openbox >/dev/null 2>&1 &
manager=$!
# This prefix's server and Wine's services are the test's own: they start writing nowhere
# (a service keeps the output of the program that started it) and end with the test.
wineserver -p30
wine cmd /c exit >/dev/null 2>&1
finish() { wineserver -k >/dev/null 2>&1; kill "$manager" 2>/dev/null; wait "$manager" 2>/dev/null; stop_display; }
if ! run_demo "$1" 60000 stacking; then echo "the demo never got on screen"; finish; exit 1; fi
rc=0
# The window manager's list of the windows it manages, by their names.
managed=$(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*' | while read -r id; do xprop -id "$id" WM_NAME; done)
caption=$(tr -d '\r' <"$ready" | sed -n 's/^caption //p')
for name in "Vellmoor(tm) Slots" "$caption"; do
  if grep -qF "= \"$name" <<<"$managed"; then echo "ok   openbox manages the window \"$name\""
  else echo "FAIL openbox does not manage the window \"$name\""; rc=1; fi
done
# The demo's points inside the main window's area: below its caption, at the pane's x.
points=$(tr -d '\r' <"$ready" | awk 'NF == 3 && $2 > 100 && $2 < 600')
[ -n "$points" ] || { echo "FAIL the demo named no point over the main window"; rc=1; }
for phase in menu dialog box; do
  for _ in $(seq 1 300); do [ -s "$ready.$phase" ] && break; sleep 0.05; done
  if [ ! -s "$ready.$phase" ]; then echo "FAIL the $phase never opened"; rc=1; continue; fi
  # The raise may wait for the owner's next idle moment or timer tick: the screen is looked
  # at until the machine shows at every point, for a few seconds at the most.
  for _ in $(seq 1 40); do
    import -window root "$shot"
    seen_all=yes
    while read -r x y colour; do [ "$(pixel "$x" "$y")" = "$colour" ] || seen_all=no; done <<<"$points"
    [ $seen_all = yes ] && break
    sleep 0.25
  done
  [ -n "${SHOTS:-}" ] && cp "$shot" "$SHOTS/stacking-$phase.png"
  while read -r x y colour; do
    seen=$(pixel "$x" "$y")
    if [ "$seen" = "$colour" ]; then echo "ok   with the $phase open ($x, $y) shows the machine's $colour"
    else echo "FAIL with the $phase open ($x, $y) shows $seen, not the machine's $colour"; rc=1; fi
  done <<<"$points"
  rm -f "$ready.$phase"
done
kill $demo_pid 2>/dev/null; wait $demo_pid 2>/dev/null
finish_shots
finish
exit $rc
