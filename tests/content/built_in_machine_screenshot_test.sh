#!/usr/bin/env bash
# Three built-in machines on the test display after a spin onto their best line: a
# screenshot of each with the X tools; the tool window shows the machine's title, the win
# was paid, and the caption shows the player's name and the cash left after the coins were
# bought, in the caption's ink. MACHINE_SHOTS=folder keeps the pictures.
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
  cash=$(sed -n 's/^cash //p' "$ready.txt")
  if [ -n "$cash" ] && [ "$cash" != '$1,000.00' ] && grep -qxF "painted Ada Lovelace : $cash" "$ready.txt"; then
    echo "ok   $1: the caption shows the player and the cash left"
  else echo "FAIL $1: the caption's player and cash"; rc=1; fi
  read -r geometry ink < <(sed -n 's/^painted at \([^ ]*\) in \(.*\)$/\1 \2/p' "$ready.txt")
  inked=$(count "${geometry:-0x0+0+0}" "#${ink:-none}")
  if [ "${inked:-0}" -ge 40 ]; then echo "ok   $1: ink in the caption ($inked)"
  else echo "FAIL $1: no ink in the caption (${inked:-0})"; rc=1; fi
  rm -f "$ready.txt"
  finish_shots
}
shoot pirates.slot "Jolly Roger"
shoot aussie.slot "Bucks Outback"
shoot progressive.slot "Classic Progressive"
exit $rc
