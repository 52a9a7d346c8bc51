#!/usr/bin/env bash
# Runs a Windows program of the build under Wine: in the build's own prefix, without Wine's
# debug output, and on the display of the test session (scripts/wine-session.sh) while one
# is up, so that every test process finds the session's wineserver and Xvfb.
# Usage: cmake/wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
export WINEPREFIX="$1"
shift
export WINEDEBUG="${WINEDEBUG:--all}"
if [ -f "$WINEPREFIX/test-session.env" ]; then
  . "$WINEPREFIX/test-session.env"
fi
# The program's output goes through files: helpers Wine starts on demand (the desktop's
# explorer.exe) inherit the program's standard output and outlive it by a second or two, and
# a caller reading a pipe (CTest) would wait for them.
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
wine "$@" >"$out" 2>"$err" </dev/null
status=$?
cat "$out"
cat "$err" >&2
# A program that dies before it flushes its output leaves nothing to read: say so.
if [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
  echo "wine-run: $1 ended with status $status and no output" >&2
fi
exit "$status"
