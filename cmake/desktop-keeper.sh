#!/usr/bin/env bash
# desktop-keeper.sh PID [KEEPER.EXE]: keeps the Wine desktop of WINEPREFIX open for as long as
# process PID runs, and a few seconds more. Wine closes the desktop (explorer.exe /desktop) a
# second after the last program that uses it ends, and the next program that needs it starts
# it again, handing it its own standard error. A test that did so under ctest would keep
# ctest waiting on the test's output pipe for as long as that desktop then lives, which under
# a parallel run can be the whole run. KEEPER.EXE (the build's desktop_keeper) asks for the
# desktop window, which starts the desktop from it, writing nowhere, and says "keeper-up"
# once the desktop is there; it then stays on the desktop until its input ends, a few seconds
# after PID, so that a ctest that starts right after this one ended finds the desktop open
# and keeps it with a keeper of its own. Without KEEPER.EXE a cmd that waits on its input
# stands in; it says its word at once, but joins the desktop only later, so a test may still
# start the desktop first. This returns once the keeper has said its word.
set -u
watched=$1
keeper=${2:-}
[ -n "$keeper" ] && [ -f "$keeper" ] || keeper=cmd
marker=$(mktemp)
( (echo "echo keeper-up"; while kill -0 "$watched" 2>/dev/null; do sleep 1; done; sleep 5) |
    wine "$keeper" >"$marker" 2>/dev/null & ) </dev/null
for _ in $(seq 1 600); do
  grep -q 'keeper-up' "$marker" 2>/dev/null && break
  sleep 0.1
done
rm -f "$marker"
