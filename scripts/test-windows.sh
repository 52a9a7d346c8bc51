#!/usr/bin/env bash
# Builds the Windows programs and runs their tests under Wine through CTest (label wine): the
# core, framework, dialog and window tests, the companion's against the simulated unit and
# both transfers clicked in tqr417.exe's window. The last two come from the Linux build: its
# tqr417_cli_wine_tests run tqr417-cli.exe under Wine, and its simulator and control places
# serve the clicks. CTest's fixture wine_session makes the Wine prefix (FOLDER/wine-prefix)
# and keeps one Wine session and Xvfb up for the run. Ends with CTest's summary, kept with the
# whole output in FOLDER/ctest.log.
# Usage: scripts/test-windows.sh [Windows build folder] [Linux build folder]
set -uo pipefail
cd "$(dirname "$0")/.."
win="${1:-build-windows}"
linux="${2:-build}"

if [ ! -f "$linux/CMakeCache.txt" ]; then
  scripts/install-deps.sh || exit 1
  cmake -S . -B "$linux" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTQR417_BENCHMARKS=OFF \
    >/dev/null || exit 1
fi
cmake --build "$linux" -j2 --target tqr417-sim tqr417_cli_wine_tests tqr417_control_place ||
  exit 1
scripts/build-windows.sh "$win" -DTQR417_LINUX_BUILD="$(realpath "$linux")" || exit 1
ctest --test-dir "$win" -L wine -j2 --output-on-failure 2>&1 | tee "$win/ctest.log"
exit "${PIPESTATUS[0]}"
