#!/usr/bin/env bash
# The Front Desk with a long name typed into its fourth row; the screenshot is copied to
# $FRONT_DESK_SHOT when that is set. The rows' text is dark blue ink on the ledger, the name
# field stops at its 24 characters and shows every one of them, in red for the characters it
# refused, and each row's check box, name and cash share their vertical centre.
set -u
demo="$1"
. "$(dirname "$0")/../../screenshot.sh"
if ! run_demo "$demo" 5000; then echo "the demo never showed its frames"; exit 1; fi
sleep 0.3
take_shot
[ -n "${FRONT_DESK_SHOT:-}" ] && cp "$shot" "$FRONT_DESK_SHOT"
cat "$ready"
rc=0
grep -q "row 3 'Margaret Thistlewood-Smi' cash '\$10,000.00'" "$ready" || { echo "FAIL the typed player"; rc=1; }
navy="#0000[0-9A-F][0-9A-F]" refused="#C60000"
ink=$(count "230x24+136+290" "$navy")
if [ "$ink" -ge 30 ]; then echo "ok   ink in the fourth row's name ($ink)"; else echo "FAIL no ink in the fourth row ($ink)"; rc=1; fi
ink=$(count "230x24+136+314" "$refused")
if [ "$ink" -ge 30 ]; then echo "ok   the fourth row's name, which refused characters, in red ($ink)"
else echo "FAIL the fourth row's name does not show the refusal ($ink)"; rc=1; fi
# The 22nd to 24th characters ("Smi") stand from 231 to 264 pixels into the name.
ink=$(count "30x20+368+314" "$refused")
if [ "$ink" -ge 20 ]; then echo "ok   the name's last characters are shown ($ink)"; else echo "FAIL the name is cut off ($ink)"; rc=1; fi

# centres LEFT RIGHT COLOURS: the vertical centre of each run of screen rows (below the
# heading, within the rows' height) that holds pixels of the colours (a grep -E pattern)
# between those x of the pane, one a line.
read -r _ ox oy < <(grep "^origin" "$ready" | tr -d '\r')
centres() {
  convert "$shot" -crop "$(($2 - $1))x250+$((ox + $1))+$((oy + 225))" +repage txt:- 2>/dev/null |
    grep -iE "$3" | sed 's/^[0-9]*,\([0-9]*\):.*/\1/' | sort -n | uniq |
    awk -v top=$((oy + 225)) 'NR > 1 && $1 != last + 1 { print top + (first + last) / 2; first = $1 }
                              NR == 1 { first = $1 } { last = $1 } END { if (NR) print top + (first + last) / 2 }'
}
boxes=$(centres 100 136 "#FFFFFF|#FFF7A5")
names=$(centres 136 390 "$navy|$refused")
cash=$(centres 394 540 "#0000[0-9A-F][0-9A-F]")
rows=$(paste -d' ' <(echo "$boxes") <(echo "$names") <(echo "$cash"))
echo "row centres (box name cash):"; echo "$rows"
if [ "$(echo "$boxes" | wc -l)" -ge 8 ] && [ "$(echo "$names" | wc -l)" -eq "$(echo "$boxes" | wc -l)" ] &&
   [ "$(echo "$cash" | wc -l)" -eq "$(echo "$boxes" | wc -l)" ]; then
  apart=$(echo "$rows" | awk '{ for (i = 2; i <= 3; ++i) { d = $i - $1; if (d < 0) d = -d; if (d > 2) n++ } } END { print n + 0 }')
  if [ "$apart" -eq 0 ]; then echo "ok   each row's box, name and cash share their centre"
  else echo "FAIL $apart labels more than 2 pixels off their box's centre"; rc=1; fi
else
  echo "FAIL the rows' boxes, names and cash did not come out as many"; rc=1
fi
finish_shots
exit $rc
