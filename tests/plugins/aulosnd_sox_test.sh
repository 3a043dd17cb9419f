#!/usr/bin/env bash
# The sound library renders two tones mixed together into a WAV file; sox measures it:
# 22050 Hz stereo, 0.6 s long (the tones' length, within one mixing period), an RMS level
# of a quarter of full scale (two unrelated sines of 0.25 each) and peaks below one half.
set -u
render="$1"
out=$(mktemp /tmp/aulosnd_sox.XXXXXX.wav)
trap 'rm -f "$out"' EXIT
wine "$render" "Z:$out" || { echo "FAIL the render program failed"; exit 1; }
rc=0
check() {  # name value low high
  if awk -v v="$2" -v lo="$3" -v hi="$4" 'BEGIN { exit !(v >= lo && v <= hi) }'; then
    echo "ok   $1 $2"
  else
    echo "FAIL $1 $2 (expected $3 to $4)"; rc=1
  fi
}
check rate "$(sox --i -r "$out")" 22050 22050
check channels "$(sox --i -c "$out")" 2 2
check seconds "$(sox --i -D "$out")" 0.6 0.611
stats=$(sox "$out" -n stat 2>&1)
value() { echo "$stats" | awk -F: -v k="$1" '$1 ~ k { gsub(/ /, "", $2); print $2 }'; }
check rms "$(value "RMS +amplitude")" 0.24 0.26
check peak "$(value "Maximum amplitude")" 0.4 0.5
check trough "$(value "Minimum amplitude")" -0.5 -0.4
exit $rc
