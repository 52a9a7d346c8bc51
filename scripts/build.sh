#!/usr/bin/env bash
# Configures and builds into the folder given as $1 (default build/); further arguments go
# to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
# ccache, when the machine has it, only makes a rebuild of unchanged sources faster.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir"
