#!/usr/bin/env bash
# Runs the TV demo on the test display, takes a screenshot with the X tools and checks
# the colours at known places of the stage.
set -u
. "$(dirname "$0")/../../screenshot.sh"
if ! run_demo "$1" 8000; then echo "the demo never showed its frames"; exit 1; fi
sleep 0.3
take_shot
rc=0
check() {
  local x=$1 y=$2 want=$3
  local got
  got=$(convert "$shot" -format "%[pixel:p{$x,$y}]" info: 2>/dev/null)
  case "$got" in
    *"$want"*) echo "ok   ($x,$y) $got" ;;
    *) echo "FAIL ($x,$y) expected $want, got $got"; rc=1 ;;
  esac
}
check 100 300 "rgb(255,0,0)"
check 700 300 "rgb(0,0,255)"
check 350 250 "rgb(0,255,0)"
check 299 250 "rgb(255,0,0)"
check 401 250 "rgb(0,0,255)"
# The ball has rolled some way along its row (y 60-100): yellow there, right of its start.
yellow=$(count 794x1+60+80 "#FFFF00")
if [ "$yellow" -ge 20 ]; then echo "ok   the ball is on its row ($yellow yellow pixels)"; else echo "FAIL no ball on its row"; rc=1; fi
moved=$(count 30x1+20+80 "#FFFF00")
if [ "$moved" -eq 0 ]; then echo "ok   the ball has left its start"; else echo "FAIL the ball has not moved"; rc=1; fi
white=$(count 300x60+90+410 "#FFFFFF")
if [ "$white" -ge 200 ]; then echo "ok   the text is there ($white white pixels)"; else echo "FAIL no text ($white white pixels)"; rc=1; fi
cat "$ready"
finish_shots
exit $rc
