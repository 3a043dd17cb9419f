#!/usr/bin/env bash
# The Front Desk's player records as the game's Wine prefix holds them on disk, read from
# the prefix's registry file without starting Wine there.
FRONT_DESK_KEY='[Software\\\\Tarrowind\\\\Vellmoor Slots\\\\1.0\\\\FrontDesk]'

# player_records PREFIX: the values of the FrontDesk key, one a line (nothing when the
# prefix or the key does not exist).
player_records() {
  local reg="$1/system.reg"
  [ -f "$reg" ] || return 0
  awk -v key="$FRONT_DESK_KEY" '
    index($0, key) == 1 { inside = 1; next }
    inside && /^\[/ { inside = 0 }
    inside && /^"/ { print }
  ' "$reg"
}

# check_player_records PREFIX BEFORE: fails, naming what changed, when the records in
# PREFIX differ from BEFORE.
check_player_records() {
  local now; now=$(player_records "$1")
  if [ "$now" != "$2" ]; then
    echo "FAIL: the player records in $1 changed during the tests:"
    diff <(printf '%s\n' "$2") <(printf '%s\n' "$now")
    return 1
  fi
  if [ -z "$now" ]; then echo "ok: $1 holds no player records, none were made"
  else echo "ok: the $(printf '%s\n' "$now" | grep -c Name) player records in $1 are unchanged"; fi
}
