#!/usr/bin/env bash
# run-content.sh PREFIX PROGRAM ARGS...: runs a build-time tool of the Windows build (the
# content generator, the machine builder) through Wine in a prefix of its own, made on
# first use, so that building never touches the game's or the tests' prefix. The prefix
# has the build's word size: VSL_WINEARCH (win32, or win64 for the 64-bit build; CMake
# passes it). When the tool or Wine fails, what they said on stderr is shown with the
# exit code: a build step that only says FAILED gives nothing to go on.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=$1 WINEARCH=${VSL_WINEARCH:-win32} WINEDEBUG=-all,err+all WINEDLLOVERRIDES="mscoree,mshtml="
shift
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# The content generator and the help files' writer share a prefix and may start together:
# one of them makes it while the other waits.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  if ! wineboot -i >"$log" 2>&1 || ! wineserver -w || [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "run-content.sh: making the $WINEARCH Wine prefix $WINEPREFIX failed; wineboot said:" >&2
    tr -d '\r' <"$log" >&2
    # What Wine left of the prefix is no prefix: the next build tries again.
    rm -f "$WINEPREFIX/system.reg"
    exit 1
  fi
  "$here/wine-settings.sh"
  wineserver -w
fi
flock -u 9; exec 9>&-
rc=0
wine "$@" 2>"$log" || rc=$?
if [ "$rc" -ne 0 ]; then
  echo "run-content.sh: $(basename "$1") ended with exit code $rc under Wine ($WINEARCH, $WINEPREFIX); it and Wine said:" >&2
  tr -d '\r' <"$log" >&2
  exit "$rc"
fi
# On success the tool's own messages still show; Wine's (lines "0024:err:...") do not.
grep -Ev '^([0-9a-f]{4}:)+(err|fixme|warn|trace):' "$log" | tr -d '\r' >&2 || true
