#!/usr/bin/env bash
# Takes the screenshots of tqr417.exe under Wine into docs/windows/: the main window, the
# About box (system menu) and the setting dialogs, each opened by a click on its button of
# the main window. Runs itself under Xvfb; Wine's virtual desktop draws the title bars.
# Usage: scripts/windows-screenshots.sh [Windows build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
win="${1:-build-windows}"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
export WINEDEBUG=-all
export WINEPREFIX="$PWD/$win/wine-shots"
out=docs/windows
mkdir -p "$out" "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wine explorer /desktop=tqr417,800x600 "$PWD/$win/ui/tqr417.exe" >/dev/null 2>&1 &
for _ in $(seq 200); do
  xdotool search --name "TQR-417 Configuration" >/dev/null 2>&1 && break
  sleep 0.05
done
sleep 1.5
shot() { import -window root -crop 800x600+0+0 "$out/$1.png"; }
shot main-window
xdotool key alt+space
sleep 0.5
xdotool key Up Return
sleep 1
shot about
xdotool key Escape
sleep 0.5
# The buttons of the main window, centred in the 800 x 600 desktop.
for entry in gain:428,468 port:499,468 morse:428,495 tx-audio:499,495 dig5-tone:161,168 \
  dig4-cor:238,168; do
  name=${entry%%:*}
  at=${entry#*:}
  xdotool mousemove "${at%,*}" "${at#*,}" click 1
  sleep 1
  shot "$name"
  xdotool key Escape
  sleep 0.5
done
wineserver -k
