#!/usr/bin/env bash
# Builds the Debian package tqr417_<version>_amd64.deb with CPack from the build folder $1
# (default build/, the one scripts/test.sh tests), installing what packaging needs when
# missing. Prints the package's path as its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
# help2man writes the manual pages; dpkg-shlibdeps (dpkg-dev) and file find the
# package's dependencies from the programs' shared libraries.
scripts/install-deps.sh help2man dpkg-dev file
# Dates in the package (its members' times, the manual pages) are those of the last commit,
# so the same commit gives the same package.
SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}"
export SOURCE_DATE_EPOCH
scripts/build.sh "$dir"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
out="$PWD/$dir/package"
rm -rf "$out"
(cd "$dir" && cpack -G DEB -B "$out" >/dev/null)
deb="$out/tqr417_${version}_amd64.deb"
[ -f "$deb" ] || { echo "package.sh: CPack did not make $deb" >&2; exit 1; }
echo "$deb"
