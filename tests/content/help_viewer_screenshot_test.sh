#!/usr/bin/env bash
# Opens each help file in Wine's help viewer on a display of its own (so other tests'
# windows neither hide it nor show up in its picture) and checks that the viewer's window
# carries the contents topic's title and shows that topic: its title is painted in the
# title ink. HELP_SHOTS=folder keeps the pictures.
# Arguments: the folder of the help files, the folder of their text sources.
set -u
. "$(dirname "$0")/../../cmake/with-display.sh"
VSL_FORCE_XVFB=1 start_display
shot=$(mktemp -u /tmp/help_shot.XXXXXX.png)
viewer=
trap '[ -n "$viewer" ] && kill "$viewer" 2>/dev/null; rm -f "$shot"; stop_display' EXIT
title_ink="#003070"  # the colour the help writer gives topic titles
rc=0

# The title of the topic named "contents" in a help source ("== contents | Title").
contents_title() { sed -n 's/^== contents | *//p' "$1" | head -n 1 | tr -d '\r'; }

# The geometry (WIDTHxHEIGHT+X+Y) of the top-level window whose name starts with $1, or nothing.
window_geometry() {
  local id
  id=$(xwininfo -root -children 2>/dev/null | grep -F "\"$1" | grep -F '"winhlp32.exe"' | awk '{print $1; exit}')
  [ -n "$id" ] || return 1
  xwininfo -id "$id" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /^ *Width/{w=$NF} /^ *Height/{h=$NF} END{print w "x" h "+" x "+" y}'
}

title_pixels() {
  convert "$shot" -crop "$1" +repage txt:- 2>/dev/null | grep -ci "$title_ink"
}

# show FILE SOURCE: the viewer is polled until its window is up with the contents topic
# painted, for at most 120 seconds (Wine starts slowly on a busy machine); then it is ended.
show() {
  local file=$1 title geometry="" ink=0
  title=$(contents_title "$2")
  if [ -z "$title" ]; then echo "FAIL $2 has no contents topic"; rc=1; return; fi
  rm -f "$shot"
  wine winhlp32.exe "Z:$file" >/dev/null 2>&1 & viewer=$!
  local deadline=$((SECONDS + 120))
  while [ "$SECONDS" -lt "$deadline" ]; do
    if geometry=$(window_geometry "$title"); then
      import -window root "$shot"
      ink=$(title_pixels "$geometry")
      [ "$ink" -ge 200 ] && break
    fi
    sleep 0.2
  done
  local name=${file##*/}
  [ -n "${HELP_SHOTS:-}" ] && [ -f "$shot" ] && cp "$shot" "$HELP_SHOTS/${name%.hlp}.png"
  kill "$viewer" 2>/dev/null; wait "$viewer" 2>/dev/null; viewer=
  if [ -z "$geometry" ]; then
    echo "FAIL $name: no viewer window titled \"$title\""; rc=1
  elif [ "$ink" -lt 200 ]; then
    echo "FAIL $name: the window \"$title\" at $geometry shows no topic title ($ink pixels)"; rc=1
  else
    echo "ok   $name: \"$title\" at $geometry, its title painted ($ink pixels)"
  fi
}

show "$1/vS_HELP.hlp" "$2/game_help.txt"
show "$1/viradu.hlp" "$2/viradu_reference.txt"
exit $rc
