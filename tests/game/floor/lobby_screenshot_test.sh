#!/usr/bin/env bash
# The lobby at three scroll positions (room 0, room 2 with its exit door, and across the
# wrap from room 4 into room 0) with a machine lit under the pointer; each screenshot is
# copied to $LOBBY_SHOTS (a folder) when that is set. The lit outline is yellow.
set -u
demo="$1"
. "$(dirname "$0")/../../screenshot.sh"
rc=0
shoot() {  # name scroll-x pointer-x pointer-y
  if ! run_demo "$demo" 5000 "$2" "$3" "$4"; then echo "FAIL $1: the demo never showed its frames"; rc=1; return; fi
  sleep 0.3
  take_shot
  [ -n "${LOBBY_SHOTS:-}" ] && cp "$shot" "$LOBBY_SHOTS/lobby_$1.png"
  cat "$ready"
  local lit; lit=$(count "" "#F.F.00")
  if [ "$lit" -ge 100 ]; then echo "ok   $1: a machine is outlined ($lit)"; else echo "FAIL $1: no outline ($lit)"; rc=1; fi
  grep -q "highlighted -1" "$ready" && { echo "FAIL $1: nothing lit"; rc=1; }
  finish_shots
}
shoot room0 0 447 235
shoot door 1400 290 350
shoot wrap 3600 500 235
exit $rc
