#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs each for the given number of seconds (default 60). A finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/install-deps.sh
dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTQR417_GUI=OFF -DTQR417_BENCHMARKS=OFF -DTQR417_SANITIZE=ON -DTQR417_FUZZ=ON >/dev/null
targets=(file_reader_fuzz frame_decoder_fuzz)
cmake --build "$dir" --target "${targets[@]}"
for target in "${targets[@]}"; do
  corpus="$dir/corpus/$target"
  mkdir -p "$corpus"
  cp tests/fuzz/seeds/"${target%_fuzz}"/* "$corpus"/ 2>/dev/null || true
  echo "-- $target for ${seconds}s"
  "$dir/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$dir/$target-" "$corpus" 2>&1 | tail -n 12
  [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "$target found a fault"; exit 1; }
done
