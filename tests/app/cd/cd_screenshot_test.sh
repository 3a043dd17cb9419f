#!/usr/bin/env bash
# Shows each CD dialog on the test display, takes a screenshot and checks that the
# dialog's rectangle is drawn (most of it is the dialog's light face, not the black
# screen). Keeps the screenshots as $VSL_KEEP_SHOT-prompt.png, -options.png and
# -options-locked.png when set.
set -u
. "$(dirname "$0")/../../screenshot.sh"
rc=0
for which in prompt options options-locked; do
  ready=$(mktemp -u /tmp/screenshot_ready.XXXXXX); shot=$(mktemp /tmp/screenshot.XXXXXX.png)
  wine "$1" "$which" "Z:$ready" 8000 & demo_pid=$!
  for _ in $(seq 1 300); do [ -s "$ready" ] && break; sleep 0.05; done
  if [ ! -s "$ready" ]; then echo "FAIL the $which dialog never showed"; rc=1; kill $demo_pid 2>/dev/null; continue; fi
  take_shot
  [ -n "${VSL_KEEP_SHOT:-}" ] && cp "$shot" "$VSL_KEEP_SHOT-$which.png"
  geometry=$(tr -d '\r\n' <"$ready")
  area=$(( $(echo "$geometry" | sed 's/x/*/; s/+.*//') ))
  dark=$(count "$geometry" "#000000")
  if [ "$area" -gt 10000 ] && [ "$dark" -lt $((area / 2)) ]; then
    echo "ok   the $which dialog is drawn at $geometry"
  else
    echo "FAIL the $which dialog at $geometry: $dark of $area pixels black"; rc=1
  fi
  finish_shots
done
exit $rc
