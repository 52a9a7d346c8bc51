#!/usr/bin/env bash
# Checks that the release packages are reproducible: clones the last commit twice, into two
# folders of different names, builds the Debian package and the Windows release in each, one
# after the other (the first through ccache when the machine has it, the second compiled
# afresh), and compares the .deb, both .exe files and the .msi byte for byte. Prints each
# file's hashes and ends with "reproducible: N files identical" or the ones that differ.
# Usage: scripts/check-reproducible.sh [work folder, default build-repro]
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
work="$PWD/${1:-build-repro}"
commit=$(git rev-parse HEAD)
rm -rf "$work"
mkdir -p "$work"

# The packages alone are built (no tests, no benchmarks); the packaging scripts then find
# the folders configured so. The second build bypasses ccache, so that it neither takes
# objects compiled for the first clone nor only ever compares cached with cached.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-2}"
build() {  # build FOLDER: a fresh clone of the commit in FOLDER, both packages built there
  local off=(-DTQR417_TESTS=OFF -DTQR417_BENCHMARKS=OFF)
  if ! git clone -q --no-local "$PWD" "$work/$1" >"$work/$1.log" 2>&1 ||
    ! (cd "$work/$1" && git checkout -q "$commit" && scripts/build.sh build "${off[@]}" &&
      scripts/package.sh build && scripts/build-windows.sh build-windows "${off[@]}" &&
      scripts/package-windows.sh build-windows) >>"$work/$1.log" 2>&1; then
    echo "the build in $1 failed:"
    tail -n 20 "$work/$1.log"
    exit 1
  fi
}
started=$(date +%s)
build one
CCACHE_DISABLE=1 build second-clone
echo "two builds in $(($(date +%s) - started)) s"

# Patterns, expanded in each clone (not here, where other versions may lie about).
files=('build/package/tqr417_*_amd64.deb' build-windows/release/tqr417/tqr417.exe
  build-windows/release/tqr417/tqr417-cli.exe 'build-windows/tqr417-*-x64.msi')
same=0
differ=0
for pattern in "${files[@]}"; do
  first=$(cd "$work/one" && echo $pattern)  # the one file the pattern names
  a=$(sha256sum <"$work/one/$first" | cut -d' ' -f1)
  b=$(sha256sum <"$work/second-clone/$first" | cut -d' ' -f1)
  echo "  $first: $a $b"
  if [ "$a" = "$b" ]; then same=$((same + 1)); else differ=$((differ + 1)); echo "DIFFERS: $first"; fi
done
echo "reproducible: $same files identical, $differ differ"
[ "$differ" -eq 0 ] && [ "$same" -eq ${#files[@]} ]
