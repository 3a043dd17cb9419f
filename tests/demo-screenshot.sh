# Sourced by the screenshot tests: run_demo DEMO LIFETIME SHOT starts the demo on the test
# display with a ready file (left in $ready), waits until it has shown frames, takes a
# screenshot into SHOT and ends the demo. It fails when the demo never shows its frames.
run_demo() {
  local demo=$1 lifetime=$2 shot=$3 pid
  ready=$(mktemp -u /tmp/demo_ready.XXXXXX)
  wine "$demo" "Z:$ready" "$lifetime" &
  pid=$!
  for _ in $(seq 1 200); do [ -s "$ready" ] && break; sleep 0.05; done
  if [ ! -s "$ready" ]; then echo "the demo never showed its frames"; kill $pid 2>/dev/null; return 1; fi
  sleep 0.3
  xwd -root -silent | convert xwd:- "$shot"
  kill $pid 2>/dev/null; wait $pid 2>/dev/null
  return 0
}
