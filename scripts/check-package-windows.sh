#!/usr/bin/env bash
# Checks the Windows release as a user gets it: builds the zip and the installer
# (scripts/package-windows.sh), reads the programs' version resources, then in a fresh Wine
# prefix installs the .msi silently, checks its files, Start menu shortcut and registry keys,
# opens a .417 file through its association under Xvfb, installs a newer version over it and
# uninstalls that, after which nothing the installer made may be left. Ends with
# "windows package: N checks passed" or the failures it found.
# Usage: scripts/check-package-windows.sh [Windows build folder]
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
win="${1:-build-windows}"

scripts/install-deps.sh xvfb xauth xdotool procps || exit 1
msi=$(scripts/package-windows.sh "$win" | tail -n 1) ||
  { echo "windows package: not built"; exit 1; }
cache() { sed -n "s/^$1:[A-Z]*=//p" "$win/CMakeCache.txt"; }
version=$(cache CMAKE_PROJECT_VERSION)
newer="$((${version%%.*} + 1)).0"
newMsi=$(scripts/package-windows.sh "$win" "$newer" | tail -n 1) || exit 1
product=$(cache TQR417_PRODUCT_NAME)
vendor=$(cache TQR417_VENDOR)
echo "Checking $msi"

work="$PWD/$win/msi-test"
rm -rf "$work"
mkdir -p "$work"
passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...: runs the command, counts and reports the outcome
  local description=$1
  shift
  if "$@" >"$work/out" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $description"
    sed 's/^/  | /' "$work/out" | tail -n 20
  fi
}

# The version resources Explorer's Properties show, and the manifest's supported Windows.
describes_itself() {  # describes_itself PROGRAM DESCRIPTION
  local rc status=0 entry
  rc=$(x86_64-w64-mingw32-windres -i "$win/release/tqr417/$1" -O rc) || return 1
  for entry in "CompanyName\", \"$vendor" "FileDescription\", \"$2" "FileVersion\", \"$version" \
    "ProductName\", \"$product" "ProductVersion\", \"$version" "OriginalFilename\", \"$1"; do
    grep -qF "VALUE \"$entry\"" <<<"$rc" || { echo "$1 lacks $entry"; status=1; }
  done
  return $status
}
check "tqr417.exe carries its version resource" \
  describes_itself tqr417.exe "TQR-417 Configuration Application"
check "tqr417-cli.exe carries its version resource" \
  describes_itself tqr417-cli.exe "TQR-417 command-line companion"
supports_windows_7_to_11() {
  [ "$(x86_64-w64-mingw32-windres -i "$win/release/tqr417/tqr417.exe" -O rc |
    grep -c 'supportedOS Id')" -eq 4 ]
}
check "tqr417.exe's manifest lists Windows 7, 8, 8.1 and 10/11" supports_windows_7_to_11

export WINEDEBUG=-all WINEPREFIX="$work/prefix"
# Wine converts file names with the locale's character set: UTF-8, whatever the machine's.
export LC_ALL=C.UTF-8
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"' EXIT
wineboot -i >/dev/null 2>&1
drive="$WINEPREFIX/drive_c"
dir="$drive/Program Files/TQR-417"
uninstallKey='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
regValue() {  # regValue KEY [VALUE]: the value's data (the default value without VALUE)
  local which=(/ve)
  [ $# -gt 1 ] && which=(/v "$2")
  wine reg query "$1" "${which[@]}" 2>/dev/null | tr -d '\r' |
    sed -nE 's/^ +[^ ].*REG_[A-Z_]+ +//p' | head -n 1
}
installedProducts() {  # the Apps & Features entries with the product's name, one a line
  wine reg query "$uninstallKey" /s 2>/dev/null | tr -d '\r' |
    grep -cE "DisplayName +REG_SZ +$product$"
}
shortcut() { find "$drive" -name "$product.lnk" 2>/dev/null; }

started=$(date +%s%N)
check "msiexec /i installs $(basename "$msi")" wine msiexec /i "$msi" /qn
installed=$(($(date +%s%N) - started))
has_files() {
  local file status=0
  for file in tqr417.exe tqr417-cli.exe README.txt; do
    cmp "$win/release/tqr417/$file" "$dir/$file" || status=1
  done
  return $status
}
check "the three files are in Program Files\\TQR-417" has_files
check "the Start menu has the shortcut \"$product\"" test -n "$(shortcut)"
registered() {  # registered KEY VALUE EXPECTED
  local data
  data=$(regValue "$1" ${2:+"$2"})
  [ "$data" = "$3" ] || { echo "$1 ${2:-(default)} is \"$data\", not \"$3\""; return 1; }
}
progId="TQR417.Configuration"
check ".417 files are of the installer's type" registered 'HKCR\.417' "" "$progId"
check "the type has a description" registered "HKCR\\$progId" "" "TQR-417 configuration"
check "the type shows the program's icon" \
  registered "HKCR\\$progId\\DefaultIcon" "" 'C:\Program Files\TQR-417\tqr417.exe,0'
check "the type opens with tqr417.exe \"%1\"" registered "HKCR\\$progId\\shell\\open\\command" "" \
  '"C:\Program Files\TQR-417\tqr417.exe" "%1"'
# Apps & Features shows an installed product's entry in the Uninstall key with the icon the
# installer publishes as the product's ProductIcon.
listed() {  # listed VERSION: the product is listed once, of VERSION, with publisher and icon
  local key icon
  [ "$(installedProducts)" = 1 ] ||
    { echo "$(installedProducts) entries named $product"; return 1; }
  key=$(wine reg query "$uninstallKey" /s 2>/dev/null | tr -d '\r' |
    awk -v entry="DisplayName +REG_SZ +$product$" '/^HKEY/ { key = $0 } $0 ~ entry { print key }')
  registered "$key" DisplayVersion "$1" && registered "$key" Publisher "$vendor" || return 1
  icon=$(wine reg query 'HKLM\Software\Classes\Installer\Products' /s 2>/dev/null | tr -d '\r' |
    sed -nE 's/^ +ProductIcon +REG_SZ +//p')
  [ -s "$(wine winepath -u "$icon" 2>/dev/null | tr -d '\r')" ] ||
    { echo "no product icon: $icon"; return 1; }
}
check "Apps & Features lists $product $version by $vendor with its icon" listed "$version"

# Opening a .417 file as Explorer does (ShellExecute through the association) starts the
# installed tqr417.exe with that file loaded: its main window shows values the file holds
# that differ from the start-up configuration. A developer instrument built beside the
# programs, never shipped, reads them from the live window by the controls' resource names
# and closes it. The file lies in a folder with accents, blanks and Greek: the association hands
# its path on through the wide command line. Each row: field, control that shows it, value
# given to the file.
shownValues=(pttFrequency IDC_PTT_FREQUENCY 2970 monMomentaryMs IDC_MON_MOMENTARY_MS 4170)
opens_417() {
  local file cli="$dir/tqr417-cli.exe" i controls=() expected="" fresh
  mkdir -p "$work/Büro Ω" || return 1
  file=$(winpath "$work/Büro Ω/é site.417")
  wine "$cli" new "$file" >/dev/null || return 1
  for ((i = 0; i < ${#shownValues[@]}; i += 3)); do
    fresh=$(wine "$cli" get "$file" "${shownValues[i]}" | tr -d '\r')
    [ "$fresh" != "${shownValues[i + 2]}" ] ||
      { echo "${shownValues[i]} starts as ${shownValues[i + 2]}: not a sign of the file"; return 1; }
    wine "$cli" set "$file" "${shownValues[i]}=${shownValues[i + 2]}" >/dev/null || return 1
    controls+=("${shownValues[i + 1]}")
    expected+="${shownValues[i + 1]}=${shownValues[i + 2]}"$'\n'
  done
  # A session of its own with the display.
  wineserver -k >/dev/null 2>&1
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    started=$(date +%s%N)
    wine start "$1" >/dev/null 2>&1
    for _ in $(seq 400); do
      if xdotool search --name "TQR-417 Configuration Application" >/dev/null 2>&1; then
        echo "main window shown $((($(date +%s%N) - started) / 1000000)) ms after opening"
        break
      fi
      sleep 0.05
    done
    shift
    wine "$@"' opens "$file" "$win/tools/devtools/tqr417_window_text.exe" --close "${controls[@]}" \
    >"$work/shown" 2>&1 || { cat "$work/shown"; return 1; }
  grep -v '^main window' "$work/shown" | tr -d '\r' >"$work/values"
  sed -n '/^main window/p' "$work/shown"
  diff <(printf '%s' "$expected") "$work/values" ||
    { echo "the window does not show the file's values (expected < > shown)"; return 1; }
}
winpath() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }
check "opening a .417 file starts the installed tqr417.exe with the file loaded" opens_417
sed -n 's/^main window/  main window/p' "$work/out"
wineserver -k >/dev/null 2>&1

check "msiexec /i installs the newer $(basename "$newMsi") over it" wine msiexec /i "$newMsi" /qn
check "Apps & Features lists only $product $newer" listed "$newer"
check "the newer version's files are in place" has_files

check "msiexec /x uninstalls it" wine msiexec /x "$newMsi" /qn
leaves_nothing() {
  local status=0 key
  [ -e "$dir" ] && { echo "left behind: $(find "$dir")"; status=1; }
  [ -n "$(shortcut)" ] && { echo "left behind: $(shortcut)"; status=1; }
  for key in 'HKCR\.417' "HKCR\\$progId"; do
    wine reg query "$key" >/dev/null 2>&1 && { echo "left behind: $key"; status=1; }
  done
  [ "$(installedProducts)" = 0 ] || { echo "left behind: an Apps & Features entry"; status=1; }
  return $status
}
check "uninstalling leaves no file, shortcut or key behind" leaves_nothing

echo "  msiexec /i took $((installed / 1000000)) ms; $(basename "$msi"): $(stat -c %s "$msi") bytes"
echo "windows package: $passed checks passed, $failed failed"
[ "$failed" -eq 0 ]
