#!/usr/bin/env bash
# desktop-keeper.sh PID: keeps the Wine desktop of WINEPREFIX open for as long as process PID
# runs, and a few seconds more. Wine closes the desktop (explorer.exe /desktop) a second after
# the last program that uses it ends, and the next program that needs it starts it again,
# handing it its own standard error. A test that did so under ctest would keep ctest waiting
# on the test's output pipe for as long as that desktop then lives, which under a parallel
# run can be the whole run. A cmd that waits on its input is a program of the desktop: it
# keeps it open, and it outlives PID by a few seconds, so that a ctest that starts right after
# this one ended finds the desktop open and keeps it with a keeper of its own. This returns
# once the cmd runs.
set -u
watched=$1
marker=$(mktemp)
( (echo "echo keeper-up"; while kill -0 "$watched" 2>/dev/null; do sleep 1; done; sleep 5) |
    wine cmd >"$marker" 2>/dev/null & ) </dev/null
for _ in $(seq 1 300); do
  grep -q 'keeper-up' "$marker" 2>/dev/null && break
  sleep 0.1
done
rm -f "$marker"
