#!/usr/bin/env bash
# Clicks "Send to 417" and "Recv from 417" in tqr417.exe's window under Wine, as a technician
# would, against the simulated unit on COM9, and checks the message box each click brings
# (read from Wine's message box trace) and what the unit logged. The buttons' places come
# from the window's template at run time (tqr417_control_place). Runs in the tests' Wine
# session, whose windows it makes managed for its run: the clicks reach the program only then.
# Usage: wine_click_transfers.sh PREFIX TQR417_EXE TQR417_SIM TQR417_CONTROL_PLACE
set -u
export WINEPREFIX="$1" WINEDEBUG=-all
app="$2" sim="$3" place="$4"
. "$WINEPREFIX/test-session.env"
work=$(mktemp -d)
managed() { wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f >/dev/null 2>&1; }
trap 'kill $app_pid $sim_pid 2>/dev/null; wait; managed N; rm -rf "$work"' EXIT
"$sim" --paced --link "$work/unit" >"$work/sim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 100); do grep -q '^TQR-417 simulator on ' "$work/sim.log" && break; sleep 0.05; done
device=$(sed -nE 's/^TQR-417 simulator on ([^ ]+).*/\1/p' "$work/sim.log")
ln -sfn "$device" "$WINEPREFIX/dosdevices/com9"
[ -n "$device" ] && [ "$(readlink "$WINEPREFIX/dosdevices/com9")" = "$device" ] ||
  { echo "COM9 does not lead to the simulator"; exit 1; }
managed Y
WINEDEBUG=-all,trace+msgbox TQR417_COM1=COM9 wine "$app" </dev/null >/dev/null 2>"$work/app.err" &
app_pid=$!
boxes() { grep -c 'trace:msgbox' "$work/app.err"; }
for _ in $(seq 300); do
  main=$(xdotool search --name '^TQR-417 Configuration Application$' 2>/dev/null | head -n 1)
  [ -n "$main" ] && break
  sleep 0.05
done
[ -n "$main" ] || { echo "tqr417.exe showed no main window"; exit 1; }
sleep 1
# The X window is the dialog's client area: dialog units scale to its size.
eval "$(xdotool getwindowgeometry --shell "$main")"
for caption in "Send to 417" "Recv from 417"; do
  read -r units_wide units_high x y < <("$place" "$caption") || exit 1
  seen=$(boxes)
  # A click lost before the window took input is repeated; a transfer takes about 2 s.
  for _ in 1 2 3; do
    xdotool mousemove --window "$main" $((x * WIDTH / units_wide)) $((y * HEIGHT / units_high)) click 1
    for _ in $(seq 160); do [ "$(boxes)" -gt "$seen" ] && break 2; sleep 0.05; done
  done
  echo "$caption: $(grep 'trace:msgbox' "$work/app.err" | sed -n "$((seen + 1))p" | sed -E 's/.*L"(.*)"\r?$/\1/')"
  # Without a window manager keys go to the window under the pointer: move it into the box.
  box=$(xdotool search --name '^tqr417$' 2>/dev/null | head -n 1)
  [ -n "$box" ] && xdotool mousemove --window "$box" 20 10 key Return
  sleep 0.5
done | tee "$work/clicks.log"
sed 's/^/unit: /' "$work/sim.log"
grep -q '^Send to 417: Data Received by TQR-417 OK' "$work/clicks.log" &&
  grep -q '^Recv from 417: Data received from TQR-417 OK' "$work/clicks.log" &&
  grep -q 'matches; configuration kept' "$work/sim.log" &&
  grep -q 'sent 936 of 936 bytes' "$work/sim.log"
