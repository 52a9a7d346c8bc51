#!/usr/bin/env bash
# Cross-builds the Windows programs with MinGW-w64 into the folder given as $1 (default
# build-windows/): the application tqr417.exe (native Win32 dialogs), tqr417-cli.exe and the
# core tests (tqr417_core_tests.exe), each a self-contained .exe. Installs what it needs first: the MinGW-w64 compiler, Wine to run the
# tests, and the GoogleTest sources the tests are built from. Further arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build-windows}"
shift || true

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest libcli11-dev
  nlohmann-json3-dev python3 xvfb xauth xdotool)
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The windows use the Win32 backend of the dialog layer (no Qt); the simulated unit needs a
# pseudo-terminal and stays a Linux program.
# ccache, when the machine has it, only makes a rebuild of unchanged sources faster.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DTQR417_GUI=ON -DTQR417_BENCHMARKS=OFF "$@" >/dev/null
cmake --build "$dir" -j2
