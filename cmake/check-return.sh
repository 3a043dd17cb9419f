#!/usr/bin/env bash
# check-return.sh PREFIX VSLPAY SCRIPT LOW HIGH: runs the payout analyzer on a machine
# script (through Wine, as run-content.sh does) and fails unless the return it reports,
# its "Percentage:" line, lies between LOW and HIGH percent.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1 vslpay=$2 script=$3 low=$4 high=$5
report=$("$here/run-content.sh" "$prefix" "$vslpay" "$script" | tr -d '\r') || {
  echo "$script: the payout analyzer failed:" >&2
  echo "$report" >&2
  exit 1
}
percent=$(sed -n 's/^Percentage: *//p' <<<"$report" | tr -d ',')
if [ -z "$percent" ]; then
  echo "$script: the payout analyzer gave no percentage:" >&2
  echo "$report" >&2
  exit 1
fi
if ! awk -v p="$percent" -v lo="$low" -v hi="$high" 'BEGIN { exit !(p >= lo && p <= hi) }'; then
  echo "$script: returns $percent%, outside $low% to $high%" >&2
  exit 1
fi
echo "$script: returns $percent%"
