#!/usr/bin/env bash
# Checks the Debian package as a user gets it: builds it (scripts/package.sh), unpacks it
# into an empty folder, runs the unpacked companion, starts the unpacked application under
# Xvfb and waits for its main window from outside, checks that the .417 file type it
# declares opens with its menu entry, and runs lintian, desktop-file-validate and
# appstreamcli on it. Ends with "package: N checks passed" or the failures it found.
# Usage: scripts/check-package.sh [build folder]
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
dir="${1:-build}"

scripts/install-deps.sh lintian desktop-file-utils appstream xvfb xauth xdotool x11-utils \
  bash-completion shared-mime-info libglib2.0-bin ||
  exit 1
deb=$(scripts/package.sh "$dir" | tail -n 1) || { echo "package: not built"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
appId=$(sed -n 's/^TQR417_APP_ID:STRING=//p' "$dir/CMakeCache.txt")
mimeType=$(sed -n 's/^TQR417_MIME_TYPE:STRING=//p' "$dir/CMakeCache.txt")
echo "Checking $deb"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
mkdir "$root"

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

check "dpkg-deb -x unpacks the package" dpkg-deb -x "$deb" "$root"
bin="$root/usr/bin"
share="$root/usr/share"

# What cmake --install promises, in the package.
expected=(
  usr/bin/tqr417 usr/bin/tqr417-cli usr/bin/tqr417-sim
  "usr/share/applications/$appId.desktop" "usr/share/metainfo/$appId.metainfo.xml"
  "usr/share/mime/packages/$appId.xml"
  "usr/share/icons/hicolor/scalable/apps/$appId.svg"
  usr/share/man/man1/tqr417.1.gz usr/share/man/man1/tqr417-cli.1.gz
  usr/share/man/man1/tqr417-sim.1.gz
  usr/share/bash-completion/completions/tqr417-cli
  usr/share/doc/tqr417/copyright usr/share/doc/tqr417/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$appId.png")
done
missing() {
  local file status=0
  for file in "${expected[@]}"; do
    [ -s "$root/$file" ] || { echo "missing: /$file"; status=1; }
  done
  return $status
}
check "the package holds every installed file" missing
check "the package is tqr417_${version}_amd64.deb" test "$(basename "$deb")" = "tqr417_${version}_amd64.deb"
check "the package's version is the project version" \
  test "$(dpkg-deb -f "$deb" Version)" = "$version"
check "the package is in section hamradio" test "$(dpkg-deb -f "$deb" Section)" = hamradio
check "apt can install the package with its dependencies" \
  apt-get install --simulate -qq "$deb"

# The unpacked companion and simulator.
say_version() { test "$("$bin/$1" --version)" = "$1 $version"; }
check "tqr417-cli --version gives $version" say_version tqr417-cli
check "tqr417-sim --version gives $version" say_version tqr417-sim
file="$work/start.417"
check "tqr417-cli new writes a configuration file" "$bin/tqr417-cli" new "$file"
shows_table() {
  "$bin/tqr417-cli" show "$file" >"$work/show" || return 1
  grep -q "F99" "$work/show" || { echo "no entry F99 in:"; head -n 20 "$work/show"; return 1; }
}
check "tqr417-cli show prints the new file" shows_table
# check exits 2 only for a file it cannot read (1 lists values the windows would refuse).
reads_file() {
  "$bin/tqr417-cli" check "$file"
  [ $? -lt 2 ]
}
check "tqr417-cli check reads the new file" reads_file

# Every command the companion lists is completed by bash and described by its manual page.
covers_commands() {
  local commands command status=0
  commands=$("$bin/tqr417-cli" --help | sed -n '/^Subcommands:/,$ s/^  \([a-z-]*\) .*/\1/p')
  [ -n "$commands" ] || { echo "no commands in tqr417-cli --help"; return 1; }
  for command in $commands; do
    grep -qw -- "$command" "$share/bash-completion/completions/tqr417-cli" ||
      { echo "bash completion lacks $command"; status=1; }
    zcat "$share/man/man1/tqr417-cli.1.gz" | grep -q "tqr417-cli $command" ||
      { echo "manual page lacks $command"; status=1; }
  done
  return $status
}
check "completion and manual page cover every command" covers_commands
completes() {  # completes LINE EXPECTED: the unpacked completion offers EXPECTED for LINE
  bash -c 'source /usr/share/bash-completion/bash_completion && source "$1" || exit 1
    COMP_LINE=$2 COMP_POINT=${#2}
    read -ra COMP_WORDS <<<"$2"
    [[ $2 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _tqr417_cli tqr417-cli
    [ "${COMPREPLY[*]}" = "$3" ] || { echo "\"$2\" completes to \"${COMPREPLY[*]}\""; exit 1; }' \
    completes "$share/bash-completion/completions/tqr417-cli" "$1" "$2"
}
check "bash completes the companion's commands" completes "tqr417-cli s" "show set send"
check "bash completes the port names" completes "tqr417-cli recv --port " "com1 com2"
check "bash completes the sheet's formats" completes "tqr417-cli report a.417 --format " "html text"

# The unpacked application on an X server of its own: its main window must appear, of the
# window class the menu entry names (so docks match the two), and the program must still
# be running then. Nothing inside the program helps; the window is found by its title from
# outside.
wmClass=$(sed -n 's/^StartupWMClass=//p' "$share/applications/$appId.desktop")
comes_up() {
  xvfb-run -a -s "-screen 0 1280x1024x24" env -u QT_QPA_PLATFORM -u TQR417_COM1 \
    -u TQR417_COM2 bash -c '
      "$1" </dev/null >"$2" 2>&1 &
      app=$!
      window=$(timeout 30 xdotool search --sync --onlyvisible --name "^TQR-417 Configuration Application$" | head -n 1)
      status=0
      if [ -z "$window" ]; then
        echo "no main window within 30 s"; status=1
      elif ! kill -0 "$app" 2>/dev/null; then
        echo "the application ended after showing its window"; status=1
      elif ! xprop -id "$window" WM_CLASS | grep -q "\"$3\""; then
        echo "the window is not of class $3, which the menu entry names:"
        xprop -id "$window" WM_CLASS; status=1
      fi
      kill "$app" 2>/dev/null
      wait "$app" 2>/dev/null
      [ $status -eq 0 ] || { echo "application output:"; cat "$2"; }
      exit $status' comes_up "$bin/tqr417" "$work/app.log" "$wmClass"
}
check "the unpacked tqr417 shows its main window under Xvfb" comes_up

# The .417 file type, as a desktop sees it once the package is installed: with the caches
# that dpkg's triggers build on installing, made here in a copy of the unpacked tree, the
# MIME database names the type of a .417 file, and GLib (as file managers use it) picks the
# unpacked menu entry to open it.
opens_417_files() {
  local type handler data="$work/data"
  local desktop=(env PATH="$bin:$PATH" XDG_DATA_DIRS="$data:/usr/share"
    XDG_DATA_HOME="$work/home" XDG_CONFIG_HOME="$work/config")
  cp -r "$share" "$data" &&
    "${desktop[@]}" update-mime-database "$data/mime" &&
    update-desktop-database "$data/applications" || return 1
  type=$("${desktop[@]}" gio info -a standard::content-type "$file" |
    sed -n 's/^ *standard::content-type: //p')
  [ "$type" = "$mimeType" ] || { echo "$file is of type \"$type\", not $mimeType"; return 1; }
  handler=$("${desktop[@]}" gio mime "$mimeType" | sed -n 's/^Default application for .*: //p')
  [ "$handler" = "$appId.desktop" ] || {
    echo "$mimeType opens with \"$handler\", not $appId.desktop:"
    "${desktop[@]}" gio mime "$mimeType"
    return 1
  }
}
check "a .417 file is of type $mimeType and opens with the menu entry" opens_417_files

# The validators.
check "lintian finds no errors" lintian --fail-on error "$deb"
lintian --display-info "$deb" 2>/dev/null | sed "s/^/  lintian: /"
check "desktop-file-validate accepts the menu entry" \
  desktop-file-validate "$share/applications/$appId.desktop"
check "appstreamcli accepts the metainfo with the menu entry and icons it names" \
  appstreamcli validate-tree --no-net "$root"

echo "package: $passed checks passed, $failed failed"
[ "$failed" -eq 0 ]
