#!/usr/bin/env bash
# The machine window stays above the main window under a window manager: on a display of
# its own with openbox running, the machine screen demo opens a menu of the main window, a
# dialog of the main window and a box of the machine's in turn; while each waits, the
# points the demo names inside the main window's area show the machine's backdrop, not the
# main window over it. SHOTS=folder keeps the pictures.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../screenshot.sh"
. "$here/../../../cmake/with-display.sh"
if ! command -v openbox >/dev/null; then echo "openbox is not installed"; exit 1; fi
VSL_FORCE_XVFB=1 start_display
openbox >/dev/null 2>&1 &
manager=$!
finish() { kill "$manager" 2>/dev/null; wait "$manager" 2>/dev/null; stop_display; }
if ! run_demo "$1" 60000 stacking; then echo "the demo never got on screen"; finish; exit 1; fi
rc=0
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
