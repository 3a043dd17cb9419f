#!/usr/bin/env bash
# Runs the TV demo on the test display, takes a screenshot with the X tools and checks
# the colours at known places of the stage.
set -u
demo="$1"
ready=$(mktemp -u /tmp/tv_demo_ready.XXXXXX)
shot=$(mktemp /tmp/tv_demo_shot.XXXXXX.png)
wine "$demo" "Z:$ready" 8000 &
pid=$!
for _ in $(seq 1 200); do [ -s "$ready" ] && break; sleep 0.05; done
if [ ! -s "$ready" ]; then echo "the demo never showed its frames"; kill $pid 2>/dev/null; exit 1; fi
sleep 0.3
xwd -root -silent | convert xwd:- "$shot"
kill $pid 2>/dev/null; wait $pid 2>/dev/null
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
check 100 100 "rgb(255,0,0)"
check 700 100 "rgb(0,0,255)"
check 350 250 "rgb(0,255,0)"
check 299 250 "rgb(255,0,0)"
check 401 250 "rgb(0,0,255)"
cat "$ready"
rm -f "$ready" "$shot"
exit $rc
