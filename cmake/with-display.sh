#!/usr/bin/env bash
# Runs a command with an X display: the caller's, or a private 24-bit Xvfb for its duration.
# Sources can use `start_display` / `stop_display` instead.
start_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${VSL_FORCE_XVFB:-}" ]; then return 0; fi
  local fifo; fifo=$(mktemp -u); mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  VSL_XVFB_PID=$!
  local num; read -r num <"$fifo"; rm -f "$fifo"
  export DISPLAY=":$num"
}
stop_display() {
  if [ -n "${VSL_XVFB_PID:-}" ]; then kill "$VSL_XVFB_PID" 2>/dev/null; wait "$VSL_XVFB_PID" 2>/dev/null; fi
  VSL_XVFB_PID=
}
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  start_display
  "$@"; rc=$?
  stop_display
  exit $rc
fi
