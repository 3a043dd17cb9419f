# Shared by the screenshot tests: run a demo program on the test display until it says it
# is ready, take a screenshot of the root window with ImageMagick's import, count pixels
# of a colour in it. (xwd -root blacks out every window that lies inside another window
# with the same private colormap, and Wine gives every window one: dialogs, menus and tool
# windows over the main window came out black.)
# Source it; it sets `ready`, `shot` and `demo_pid`.

# run_demo DEMO LIFETIME [ARGS...]: starts the demo with a ready file (and the further
# arguments) and waits for that file.
run_demo() {
  ready=$(mktemp -u /tmp/screenshot_ready.XXXXXX)
  shot=$(mktemp /tmp/screenshot.XXXXXX.png)
  wine "$1" "Z:$ready" "$2" "${@:3}" &
  demo_pid=$!
  for _ in $(seq 1 300); do [ -s "$ready" ] && return 0; sleep 0.05; done
  kill $demo_pid 2>/dev/null
  return 1
}

# take_shot: the whole display into $shot, then the demo is stopped.
take_shot() {
  import -window root "$shot"
  kill $demo_pid 2>/dev/null; wait $demo_pid 2>/dev/null
}

# count GEOMETRY COLOUR: pixels of the colour (#RRGGBB) in that part of the screenshot
# (WIDTHxHEIGHT+X+Y, or "" for all of it).
count() {
  if [ -n "$1" ]; then
    convert "$shot" -crop "$1" +repage txt:- 2>/dev/null | grep -ci "$2"
  else
    convert "$shot" txt:- 2>/dev/null | grep -ci "$2"
  fi
}

finish_shots() { rm -f "$ready" "$shot"; }

# shoot_demo DEMO LIFETIME: run_demo and take_shot; the picture is kept at $SCREENSHOT when
# that is set, and the demo's report (written with CRLF line ends) is printed and left in
# $ready.txt. False when the demo never got on screen.
shoot_demo() {
  run_demo "$1" "$2" || { echo "the demo never got on screen"; return 1; }
  sleep 0.3
  take_shot
  [ -n "${SCREENSHOT:-}" ] && cp "$shot" "$SCREENSHOT"
  tr -d '\r' < "$ready" > "$ready.txt"
  cat "$ready.txt"
}

# pixel X Y: the screenshot's colour at that point, as RRGGBB in capitals.
pixel() { convert "$shot" -format "%[hex:p{$1,$2}]" info: 2>/dev/null | cut -c1-6 | tr 'a-f' 'A-F'; }
