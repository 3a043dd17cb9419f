#!/usr/bin/env bash
# cmake/busy-run.sh N COMMAND...: runs COMMAND on a busy machine, beside N processes that
# keep a core busy each, at normal priority, and returns COMMAND's exit code. The busy
# processes end by their ids when COMMAND ends or fails, or the script is interrupted
# (Ctrl-C; a TERM takes effect once COMMAND has ended); one whose script was killed
# outright ends by itself within a second.
#     cmake/busy-run.sh 8 make test
set -u
if [ $# -lt 2 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 N COMMAND... (N processes that keep a core busy each, beside COMMAND)" >&2
  exit 2
fi
count=$1; shift
busy=()
stop_busy() {
  [ ${#busy[@]} -eq 0 ] && return
  kill "${busy[@]}" 2>/dev/null
  wait "${busy[@]}" 2>/dev/null
  busy=()
}
trap stop_busy EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
# Each counts in the shell for about a tenth of a second at a time, and goes on while this
# script lives. They hold none of the script's files: a reader of its output sees it end.
for ((i = 0; i < count; ++i)); do
  sh -c 'while kill -0 "$1" 2>/dev/null; do i=0; while [ $i -lt 100000 ]; do i=$((i + 1)); done; done' \
    busy $$ </dev/null >/dev/null 2>&1 &
  busy+=($!)
done
"$@"
exit $?
