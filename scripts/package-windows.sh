#!/usr/bin/env bash
# Builds the Windows release: tqr417-windows-x64.zip with tqr417.exe, tqr417-cli.exe (both
# stripped, self-contained) and a short read-me, and the installer tqr417-VERSION-x64.msi
# with the same files (packaging/tqr417.wxs). The installer's version is the project's
# unless given (the installer test makes a newer one). Prints the installer's path last.
# Usage: scripts/package-windows.sh [build dir] [installer version]
set -euo pipefail
cd "$(dirname "$0")/.."
win="${1:-build-windows}"
scripts/build-windows.sh "$win"
scripts/install-deps.sh zip wixl msitools faketime
cache() { sed -n "s/^$1:[A-Z]*=//p" "$win/CMakeCache.txt"; }
version="${2:-$(cache CMAKE_PROJECT_VERSION)}"
stage="$win/release/tqr417"
rm -rf "$win/release"
mkdir -p "$stage"
# strip writes the time into the PE header unless told a date; 0 leaves it empty, so the
# same program gives the same file.
stripped() { SOURCE_DATE_EPOCH=0 x86_64-w64-mingw32-strip -o "$stage/$(basename "$1")" "$1"; }
stripped "$win/ui/tqr417.exe"
stripped "$win/tools/cli/tqr417-cli.exe"
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

# The installer. Its product code follows from the upgrade code and the version, and wixl
# runs on a clock stopped at the last commit, with its package code set afterwards from
# the files it holds, so that the same sources give the same .msi; its cabinet keeps the
# files' times, so they are the commit's too.
epoch="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}"
# In the release folder: wixl finds files by paths relative to where it runs, and leaves a
# copy of the icon there.
frozen() {
  (cd "$win/release" && TZ=UTC faketime -f "$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')" "$@")
}
uuid() {  # uuid NAMESPACE NAME: the name-based UUID, in capitals as MSI writes them
  python3 -c 'import sys, uuid as u; print(str(u.uuid5(u.UUID(sys.argv[1]), sys.argv[2])).upper())' "$@"
}
upgrade=$(cache TQR417_MSI_UPGRADE_CODE)
name=$(cache TQR417_PRODUCT_NAME)
vendor=$(cache TQR417_VENDOR)
msi="$PWD/$win/tqr417-$version-x64.msi"
cp "$win/ui/tqr417.ico" "$win/release/tqr417.ico"
touch -d "@$epoch" "$stage"/* "$win/release/tqr417.ico"
frozen wixl -a x64 -o "$msi" "$PWD/packaging/tqr417.wxs" -D Stage=tqr417 \
  -D Icon=tqr417.ico -D Version="$version" -D ProductName="$name" \
  -D Vendor="$vendor" -D MimeType="$(cache TQR417_MIME_TYPE)" -D UpgradeCode="$upgrade" \
  -D ProductCode="$(uuid "$upgrade" "product $version")"
contents=$(cat "$stage"/* "$win/release/tqr417.ico" | sha256sum | cut -d' ' -f1)
frozen msibuild "$msi" -s "$name $version" "$vendor" "x64;1033" \
  "{$(uuid "$upgrade" "package $version $contents")}"
ls -l "$msi"
echo "$msi"
