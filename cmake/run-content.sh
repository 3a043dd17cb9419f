#!/usr/bin/env bash
# run-content.sh PREFIX PROGRAM ARGS...: runs a build-time tool of the Windows build (the
# content generator, the machine builder) through Wine in a prefix of its own, made on
# first use, so that building never touches the game's or the tests' prefix.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=$1 WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
shift
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  "$here/wine-settings.sh"
  wineserver -w
fi
wine "$@"
