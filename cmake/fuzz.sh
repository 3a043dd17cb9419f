#!/usr/bin/env bash
# Runs the fuzz targets of a fuzz build (tests/fuzz), JOBS at a time, each from its
# committed seeds and regression inputs:
#   cmake/fuzz.sh BUILD_DIR [SECONDS]   each target for SECONDS (default 20)
#   FUZZ_RUNS=N cmake/fuzz.sh BUILD_DIR  each target for N executions instead
#   FUZZ_TARGETS="bmp sound" ...         only these targets
# New inputs go to BUILD_DIR/fuzz-corpus/NAME (kept between runs), a crashing input to
# BUILD_DIR/fuzz-findings/. Prints one line per target and fails when any target found
# something; a finding becomes a regression input in tests/fuzz/regressions/NAME once
# the reader is fixed.
set -u
build=${1:?usage: fuzz.sh BUILD_DIR [SECONDS]}
seconds=${2:-20}
jobs=${JOBS:-2}
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")/tests/fuzz
build=$(cd "$build" && pwd)
all_targets="patch_round_trip lexer compile paytable asset_title machine_chunk container bmp sound zorudor"
read -r -a targets <<<"${FUZZ_TARGETS:-$all_targets}"

# Scripts are fuzzed short: a compile's cost grows with the script, its paths do not.
max_len() {
  case $1 in
    lexer|compile) echo 1024 ;;
    patch_round_trip) echo 2048 ;;
    *) echo 4096 ;;
  esac
}

run_one() {
  local name=$1 corpus=$build/fuzz-corpus/$1 findings=$build/fuzz-findings log=$build/fuzz-logs/$1.log
  mkdir -p "$corpus" "$findings" "$build/fuzz-logs"
  local limit=(-max_total_time="$seconds")
  [ -n "${FUZZ_RUNS:-}" ] && limit=(-runs="$FUZZ_RUNS")
  # A target without regression inputs has no folder for them (git keeps no empty folder).
  local inputs=("$corpus") dir
  for dir in "$source_dir/corpus/$name" "$source_dir/regressions/$name"; do
    [ -d "$dir" ] && inputs+=("$dir")
  done
  local started=$SECONDS
  (cd "$findings" && "$build/tests/fuzz/fuzz_$name" "${limit[@]}" -max_len="$(max_len "$name")" \
      -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/$name-" "${inputs[@]}") >"$log" 2>&1
  local rc=$? runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ $rc -eq 0 ]; then
    echo "fuzz $name: ${runs:-0} executions in $((SECONDS - started)) s, no finding"
  else
    echo "fuzz $name: FOUND A FAULT after ${runs:-?} executions (log: $log)"
    grep -m3 -E "ERROR|SUMMARY" "$log" | sed 's/^/    /'
  fi
  echo $rc >"$build/fuzz-logs/$name.rc"
}

failed=0
for name in "${targets[@]}"; do
  rm -f "$build/fuzz-logs/$name.rc"
  if [ ! -x "$build/tests/fuzz/fuzz_$name" ]; then
    echo "fuzz $name: not built in $build"
    failed=1
    continue
  fi
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 1; done
  run_one "$name" &
done
wait
for name in "${targets[@]}"; do
  [ "$(cat "$build/fuzz-logs/$name.rc" 2>/dev/null)" = 0 ] || failed=1
done
exit $failed
