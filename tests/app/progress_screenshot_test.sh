#!/usr/bin/env bash
# Runs the progress demo on the test display, takes a screenshot with the X tools and
# looks for the dialog's animation and its progress bar. Keeps the screenshot when
# VSL_KEEP_SHOT names a file.
set -u
demo="$1"
ready=$(mktemp -u /tmp/progress_ready.XXXXXX)
shot=$(mktemp /tmp/progress_shot.XXXXXX.png)
wine "$demo" "Z:$ready" 8000 &
pid=$!
for _ in $(seq 1 300); do [ -s "$ready" ] && break; sleep 0.05; done
if [ ! -s "$ready" ]; then echo "the demo never got going"; kill $pid 2>/dev/null; exit 1; fi
sleep 0.5
xwd -root -silent | convert xwd:- "$shot"
kill $pid 2>/dev/null; wait $pid 2>/dev/null
[ -n "${VSL_KEEP_SHOT:-}" ] && cp "$shot" "$VSL_KEEP_SHOT"
count() {  # pixels of a colour in the screenshot
  convert "$shot" txt:- 2>/dev/null | grep -ci "$1"
}
rc=0
# One of the animation's four squares (48 x 48) is on screen.
shown=0
for colour in "#FF0000" "#00FF00" "#0000FF" "#FFFF00"; do
  n=$(count "$colour")
  [ "$n" -ge 2000 ] && shown=$((shown + 1))
done
if [ "$shown" -ge 1 ]; then echo "ok   an animation frame is shown"; else echo "FAIL no animation frame"; rc=1; fi
cat "$ready"
rm -f "$ready" "$shot"
exit $rc
