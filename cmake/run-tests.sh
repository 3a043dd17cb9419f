#!/usr/bin/env bash
# Runs every test: the Windows build through Wine (one persistent wineserver, one Xvfb for
# the suites that open windows), then the native sanitizer builds, 64-bit and 32-bit, then
# each fuzz target of the fuzz builds for a few seconds (cmake/fuzz.sh). The
# tests run in their own prefix ($BUILD/test-prefix); the prefix the game is played in
# ($WINEPREFIX) must come out of the run unchanged, and the run fails when its player
# records do not. On a host that runs no 32-bit programs (cmake/runs-32bit.sh, or
# VSL_HOST_32BIT=no) the 32-bit native and fuzz builds are left out. The generator's
# platform-free part is compared as a 32-bit and a 64-bit program on every host
# (cmake/emulated-content.sh), and the 32-bit writers' code is read for x87 arithmetic on
# every host (cmake/x87-check.sh). With BUILD64 set beside a 32-bit BUILD, the tests of the
# 64-bit build that match VSL64_SUBSET (a ctest -R expression; all of them when it is empty)
# run too, the files their build-time tools wrote must be the same in both
# (cmake/same-files.sh), and each build loads the other's files and spins its machines.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/with-display.sh"
. "$here/player-records.sh"
BUILD=${BUILD:-build}; NATIVE=${NATIVE:-build-native}; NATIVE32=${NATIVE32:-build-native32}; JOBS=${JOBS:-$(nproc)}
BUILD64=${BUILD64:-}; VSL64_SUBSET=${VSL64_SUBSET:-}
VSL_HOST_32BIT=${VSL_HOST_32BIT:-$("$here/runs-32bit.sh" && echo yes || echo no)}
play_prefix=${WINEPREFIX:-$PWD/$BUILD/wineprefix}
export WINEPREFIX=${TEST_PREFIX:-$PWD/$BUILD/test-prefix}
players_before=$(player_records "$play_prefix")

# start_wine BUILD_DIR: one wineserver for the prefix in WINEPREFIX, kept running for the
# whole suite, with the build's CD as drive D: and Wine's services started.
start_wine() {
  # A wineserver left over from a run that was stopped would keep its old view of the drives.
  wineserver -k >/dev/null 2>&1
  # Our CD becomes the prefix's CD-ROM drive before Wine's services start: they read the
  # drive types once, when they start.
  if [ -d "$1/cd" ] && [ ! -e "$WINEPREFIX/dosdevices/d:" ]; then
    "$here/mount-cd.sh" "$1/cd"
    wineserver -w
  fi
  wineserver -p >/dev/null 2>&1
  # Start Wine's own services once, outside ctest: a service started by a test would
  # inherit the test's output pipe and keep ctest waiting for it to close (so this one
  # writes to a file, not a pipe). When Wine cannot start at all, it says why here.
  local log; log=$(mktemp)
  if ! WINEDEBUG=-all,err+all wine cmd /c exit >"$log" 2>&1; then
    echo "Wine does not start in $WINEPREFIX (${WINEARCH:-default arch}):"
    tr -d '\r' <"$log"
  fi
  rm -f "$log"
  "$here/wine-settings.sh"
}

# Tests that failed in the parallel run and passed when run again, "BUILD_DIR: NAME" each.
passed_on_rerun=()

# windows_tests BUILD_DIR [CTEST ARGS...]: the Windows build's tests, in parallel.
windows_tests() {
  local dir=$1; shift
  ctest --test-dir "$dir" -j "$JOBS" --output-on-failure --no-tests=error "$@" && return 0
  # The failed tests run once more, one at a time, so that the run shows which fail on
  # their own. A test that fails under load and passes alone is still faulty (a crash at
  # exit, a race, a timing): it does not fail the run, but the summary at the end names it.
  local log=$dir/Testing/Temporary/LastTestsFailed.log failed name
  failed=$(cut -d: -f2 "$log" 2>/dev/null | tr '\n' ' ')
  echo "== $dir: the failed tests once more, one at a time: $failed=="
  if ctest --test-dir "$dir" --rerun-failed --output-on-failure; then
    for name in $failed; do passed_on_rerun+=("$dir: $name"); done
    return 0
  fi
  # A rerun with failures writes the log anew: it holds the tests that failed again.
  for name in $failed; do
    cut -d: -f2 "$log" | grep -qx "$name" || passed_on_rerun+=("$dir: $name")
  done
  return 1
}

# The faults that the parallel run found and the rerun hid.
report_reruns() {
  [ ${#passed_on_rerun[@]} -eq 0 ] && return
  echo "== Faults to look into: these tests failed in the parallel run and passed when run again =="
  local entry
  for entry in "${passed_on_rerun[@]}"; do echo "FLAKY: $entry"; done
}

VSL_FORCE_XVFB=1 start_display
start_wine "$BUILD"
rc=0
echo "== Windows build (Wine, ${WINEARCH:-default arch}) =="
windows_tests "$BUILD" || rc=1
echo "== Native build (sanitizers) =="
ctest --test-dir "$NATIVE" -j "$JOBS" --output-on-failure --no-tests=ignore || rc=1
if [ "$VSL_HOST_32BIT" = yes ]; then
  echo "== Native 32-bit build (sanitizers) =="
  ctest --test-dir "$NATIVE32" -j "$JOBS" --output-on-failure --no-tests=ignore || rc=1
else
  echo "== Native 32-bit build and 32-bit fuzz targets: skipped, this host runs no 32-bit programs =="
fi
wineserver -k >/dev/null 2>&1

# The content generator's platform-free part, built as a 32-bit program (run emulated, on
# every host) and as a 64-bit one: both compute the same bytes.
echo "== The content generator's arithmetic, 32-bit (emulated) against 64-bit =="
"$here/emulated-content.sh" "${EMULATED:-build-emulated}" || rc=1

# The 32-bit build's file writers compute no x87 arithmetic of their own (cmake/x87-check.sh).
# Where BUILD is the 32-bit build, its programs are read; elsewhere only the writers are
# cross-compiled, in a folder of their own (X87): that runs no 32-bit program.
echo "== The 32-bit build's arithmetic: x87 instructions in the programs that write the game's files =="
if grep -q '^CMAKE_TOOLCHAIN_FILE:.*mingw-i686\.cmake$' "$BUILD/CMakeCache.txt" 2>/dev/null; then
  x87_dir=$BUILD
else
  x87_dir=${X87:-build-x87}
fi
JOBS=$JOBS "$here/x87-check.sh" "$x87_dir" || rc=1

# The 64-bit Windows build beside the 32-bit one, the tests of VSL64_SUBSET. A wineserver
# serves one prefix: this one starts only after the 32-bit suite's has been stopped. Then
# each build's tests that load the generated files (machine, asset, help and wizard files)
# and spin every built-in machine run again on the files the other build wrote.
build_winearch=${WINEARCH:-win32}
cross_build_tests='^(content_files_test|content_machine_test|content_built_in_machines_test|help_files_test|wizard_clip_art_test|wizard_generated_test)$'
if [ -n "$BUILD64" ] && [ "$BUILD64" != "$BUILD" ] && [ -f "$BUILD64/CTestTestfile.cmake" ]; then
  echo "== Windows 64-bit build (Wine, win64), the tests matching: ${VSL64_SUBSET:-(all)} =="
  export WINEPREFIX=${TEST_PREFIX64:-$PWD/$BUILD64/test-prefix} WINEARCH=win64
  start_wine "$BUILD64"
  windows_tests "$BUILD64" ${VSL64_SUBSET:+-R "$VSL64_SUBSET"} || rc=1
  echo "== Files of the 32-bit and the 64-bit build =="
  "$here/same-files.sh" "$BUILD" "$BUILD64" || rc=1
  echo "== The 64-bit build loads the files the 32-bit build wrote, and plays its machines =="
  VSL_OWN_BUILD=$(cd "$BUILD64" && pwd) VSL_OTHER_BUILD=$(cd "$BUILD" && pwd) \
    windows_tests "$BUILD64" -R "$cross_build_tests" || rc=1
  wineserver -k >/dev/null 2>&1
  echo "== The 32-bit build loads the files the 64-bit build wrote, and plays its machines =="
  export WINEPREFIX=${TEST_PREFIX:-$PWD/$BUILD/test-prefix} WINEARCH=${build_winearch}
  start_wine "$BUILD"
  VSL_OWN_BUILD=$(cd "$BUILD" && pwd) VSL_OTHER_BUILD=$(cd "$BUILD64" && pwd) \
    windows_tests "$BUILD" -R "$cross_build_tests" || rc=1
  wineserver -k >/dev/null 2>&1
elif [ -n "$BUILD64" ] && [ "$BUILD64" != "$BUILD" ]; then
  echo "FAIL: the 64-bit build's tests were asked for, but $BUILD64 holds no build"
  rc=1
fi
stop_display

# The fuzz targets, each for a short while from its seeds and regression inputs.
FUZZ=${FUZZ:-build-fuzz}; FUZZ32=${FUZZ32:-build-fuzz32}; FUZZ_TEST_SECONDS=${FUZZ_TEST_SECONDS:-15}
echo "== Fuzz targets, 64-bit =="
JOBS=$JOBS "$here/fuzz.sh" "$FUZZ" "$FUZZ_TEST_SECONDS" || rc=1
if [ "$VSL_HOST_32BIT" = yes ]; then
  echo "== Fuzz targets, 32-bit =="
  JOBS=$JOBS "$here/fuzz.sh" "$FUZZ32" "$FUZZ_TEST_SECONDS" || rc=1
fi

echo "== The game's prefix =="
check_player_records "$play_prefix" "$players_before" || rc=1
report_reruns
exit $rc
