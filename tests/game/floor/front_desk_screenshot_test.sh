#!/usr/bin/env bash
# The Front Desk with a name typed into its fourth row; the screenshot is copied to
# $FRONT_DESK_SHOT when that is set. The rows' text is dark blue ink on the ledger.
set -u
demo="$1"
. "$(dirname "$0")/../../screenshot.sh"
if ! run_demo "$demo" 5000; then echo "the demo never showed its frames"; exit 1; fi
sleep 0.3
take_shot
[ -n "${FRONT_DESK_SHOT:-}" ] && cp "$shot" "$FRONT_DESK_SHOT"
cat "$ready"
rc=0
grep -q "row 3 'Vera Vellmoor' cash '\$10,000.00'" "$ready" || { echo "FAIL the typed player"; rc=1; }
ink=$(count "270x24+136+290" "#0000[0-9A-F][0-9A-F]")
if [ "$ink" -ge 30 ]; then echo "ok   ink in the fourth row's name ($ink)"; else echo "FAIL no ink in the fourth row ($ink)"; rc=1; fi
finish_shots
exit $rc
