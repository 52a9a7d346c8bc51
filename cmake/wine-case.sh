#!/usr/bin/env bash
# The emulator of the Windows test programs: one GoogleTest case's result, taken from the
# program's whole run (cmake/wine-whole-run.py) where that run filed one, else the case run on
# its own under Wine (cmake/wine-run.sh); anything else, such as listing the cases, goes to
# Wine as it is.
# Usage: cmake/wine-case.sh PREFIX RESULTS PROGRAM [ARGUMENTS...]
prefix="$1"
results="$2"
shift 2
case=""
for argument in "$@"; do
  case "$argument" in
    --gtest_filter=*) case="${argument#--gtest_filter=}" ;;
    --gtest_list_tests) case="" && break ;;
  esac
done
filed="$results/${case//\//:}"
if [ -n "$case" ] && [ -f "$filed" ]; then
  cat "$filed"
  [ "$(tail -n 1 "$filed" | cut -c1-12)" != "[  FAILED  ]" ]
  exit
fi
exec "$(dirname "$0")/wine-run.sh" "$prefix" "$@"
