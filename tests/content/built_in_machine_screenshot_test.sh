#!/usr/bin/env bash
# Three built-in machines on the test display after a spin onto their best line: a
# screenshot of each with the X tools; the tool window shows the machine's title and the
# win was paid. MACHINE_SHOTS=folder keeps the pictures.
set -u
demo="$1"
. "$(dirname "$0")/../screenshot.sh"
rc=0
shoot() {  # file title
  if ! run_demo "$demo" 15000 "$1"; then echo "FAIL $1: the demo never got on screen"; rc=1; return; fi
  sleep 0.3
  take_shot
  [ -n "${MACHINE_SHOTS:-}" ] && cp "$shot" "$MACHINE_SHOTS/${1%.slot}.png"
  tr -d '\r' < "$ready" > "$ready.txt"
  cat "$ready.txt"
  if grep -qx "caption $2" "$ready.txt"; then echo "ok   $1: the caption is its title"; else echo "FAIL $1: caption"; rc=1; fi
  if grep -qx "Bet 0" "$ready.txt" && ! grep -qx "WinnerPaid 0" "$ready.txt"; then echo "ok   $1: the win was paid"
  else echo "FAIL $1: no win paid"; rc=1; fi
  rm -f "$ready.txt"
  finish_shots
}
shoot pirates.slot "Jolly Roger"
shoot aussie.slot "Bucks Outback"
shoot progressive.slot "Classic Progressive"
exit $rc
