#!/usr/bin/env bash
# Runs the progress demo on the test display, takes a screenshot and looks for the
# dialog's animation. Keeps the screenshot when VSL_KEEP_SHOT names a file.
set -u
. "$(dirname "$0")/../screenshot.sh"
if ! run_demo "$1" 8000; then echo "the demo never got going"; exit 1; fi
sleep 0.5
take_shot
[ -n "${VSL_KEEP_SHOT:-}" ] && cp "$shot" "$VSL_KEEP_SHOT"
rc=0
# One of the animation's four squares (48 x 48) is in the dialog.
dialog=$(sed -n 's/^dialog \([0-9x+-]*\).*/\1/p' "$ready" | tr -d '\r')
shown=0
for colour in "#FF0000" "#00FF00" "#0000FF" "#FFFF00"; do
  [ "$(count "${dialog:-0x0+0+0}" "$colour")" -ge 2000 ] && shown=$((shown + 1))
done
if [ "$shown" -ge 1 ]; then echo "ok   an animation frame is shown in the dialog at $dialog"; else echo "FAIL no animation frame in the dialog at ${dialog:-nowhere}"; rc=1; fi
cat "$ready"
finish_shots
exit $rc
