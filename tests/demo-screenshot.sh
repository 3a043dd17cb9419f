# Sourced by the screenshot tests. demo_screenshot PROGRAM LIFETIME_MS SHOT: runs a demo
# program that writes the file named first on its command line once it is on screen, waits
# for that file (in $ready afterwards), takes a screenshot of the display into SHOT with the
# X tools and ends the program. Fails when the file never came.
demo_screenshot() {
  local demo=$1 lifetime=$2 shot=$3 pid
  ready=$(mktemp -u /tmp/demo_ready.XXXXXX)
  wine "$demo" "Z:$ready" "$lifetime" &
  pid=$!
  for _ in $(seq 1 200); do [ -s "$ready" ] && break; sleep 0.05; done
  if [ ! -s "$ready" ]; then echo "the demo never got on screen"; kill $pid 2>/dev/null; return 1; fi
  sleep 0.3
  xwd -root -silent | convert xwd:- "$shot"
  kill $pid 2>/dev/null; wait $pid 2>/dev/null
  return 0
}
