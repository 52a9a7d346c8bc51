#!/usr/bin/env bash
# Installs what is missing, builds, runs every test and ends with "N passed, N failed".
# Usage: scripts/test.sh [build folder] [extra CMake arguments...]
set -uo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
scripts/install-deps.sh || exit 1
scripts/build.sh "$dir" "$@" || exit 1
export QT_QPA_PLATFORM=offscreen
# The transfer tests measure time on a real pseudo-terminal; on a busy two-core machine a
# scheduling delay can still push one past its 100 ms window, so a failed test gets one rerun.
ctest --test-dir "$dir" --output-on-failure -j2 --repeat until-pass:2 2>&1 | tee "$dir/ctest.log"
status=${PIPESTATUS[0]}
summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$dir/ctest.log" | tail -n 1)
if [ -n "$summary" ]; then
  failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")
  echo "$((total - failed)) passed, $failed failed"
fi
exit "$status"
