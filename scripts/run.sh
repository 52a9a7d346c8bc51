#!/usr/bin/env bash
# Installs what is missing, builds and starts the application with a simulated TQR-417
# attached as Com 1. The simulator stops when the application ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build

app=build/ui/tqr417
sim=build/tools/sim/tqr417-sim
if [ ! -x "$app" ]; then
  build/tools/cli/tqr417-cli --help
  exit 0
fi

link="${XDG_RUNTIME_DIR:-/tmp}/tqr417-sim-com1"
if [ -x "$sim" ]; then
  "$sim" --link "$link" --pace &
  sim_pid=$!
  trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null' EXIT
  for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
  export TQR417_COM1="$link"
fi
"$app"
