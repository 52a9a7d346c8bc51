#!/usr/bin/env bash
# Builds the Windows release: tqr417-windows-x64.zip with tqr417.exe, tqr417-cli.exe (both
# stripped, self-contained) and a short read-me. Usage: scripts/package-windows.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
win="${1:-build-windows}"
scripts/build-windows.sh "$win"
command -v zip >/dev/null || apt-get install -y -qq zip >/dev/null
stage="$win/release/tqr417"
rm -rf "$win/release"
mkdir -p "$stage"
x86_64-w64-mingw32-strip -o "$stage/tqr417.exe" "$win/ui/tqr417.exe"
x86_64-w64-mingw32-strip -o "$stage/tqr417-cli.exe" "$win/tools/cli/tqr417-cli.exe"
cat >"$stage/README.txt" <<'TEXT'
TQR-417 Configuration Application for Windows (64-bit)

tqr417.exe      the setup application: sets up the TQR-417 over its serial line.
tqr417-cli.exe  the command-line companion (send, recv, ports, ...; run it with --help).

Nothing needs installing: copy the folder anywhere and start tqr417.exe. Connect the unit to
COM1 or COM2 and choose the port with "Com Port". "tqr417-cli.exe ports" lists the COM ports
with their names in Device Manager, such as "USB Serial Port (COM5)". To use another port,
either run "tqr417-cli.exe ports --com1 COM5" once (kept for you in
%APPDATA%\tqr417\ports.conf), or renumber the adapter to COM1 in Device Manager (the port's
Properties, Port Settings, Advanced). The environment variables TQR417_COM1 and TQR417_COM2
name a port for one run and come before the file. Every transfer message ends with the port
and device tried.
Configurations are kept in .417 files ("SAVEConfig", "Load Config"); "tqr417.exe FILE", or a
.417 file dropped on tqr417.exe, opens with FILE loaded.
TEXT
sed -i 's/$/\r/' "$stage/README.txt"
(cd "$win/release" && rm -f ../tqr417-windows-x64.zip && zip -q -r ../tqr417-windows-x64.zip tqr417)
ls -l "$win/tqr417-windows-x64.zip"
