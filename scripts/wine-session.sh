#!/usr/bin/env bash
# Starts or stops the Wine session the Windows tests run in (the CTest fixture wine_session).
# start: makes the prefix once, starts an Xvfb on a free display and a persistent wineserver
# (each test's wine then starts in a fraction of a second, and the COM links a test makes
# are not replaced, as Wine does when a session starts) with its desktop, and leaves the
# windows unmanaged: without a window manager Wine waits up to 2 s for one whenever a managed
# window is hidden.
# The display goes to PREFIX/test-session.env, which cmake/wine-run.sh reads.
# Usage: scripts/wine-session.sh start|stop PREFIX
set -u
action="$1"
export WINEPREFIX="$2"
export WINEDEBUG=-all
session="$WINEPREFIX/test-session.env"

stop() {
  wineserver -k >/dev/null 2>&1
  if [ -f "$session" ]; then
    . "$session"
    kill "$XVFB_PID" 2>/dev/null
  fi
  rm -f "$session" "$WINEPREFIX/keeper.in"
}

if [ "$action" = stop ]; then
  stop
  exit 0
fi
stop
mkdir -p "$WINEPREFIX"
# The session stays up from here: wineboot's output through a pipe would keep its reader
# waiting for the session's end, hence /dev/null.
wineserver -p >/dev/null 2>&1 </dev/null
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1 </dev/null
fd_file="$WINEPREFIX/xvfb-display"
: >"$fd_file"
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" </dev/null \
  >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$fd_file" ] && break
  sleep 0.05
done
display=$(tr -d '\n' <"$fd_file")
if [ -z "$display" ]; then
  echo "Xvfb did not start: the window tests have no display" >&2
  kill "$xvfb_pid" 2>/dev/null
  exit 1
fi
printf 'export DISPLAY=:%s\nXVFB_PID=%s\n' "$display" "$xvfb_pid" >"$session"
. "$session"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
# A console program that waits for input on a pipe nobody writes keeps the desktop process
# (explorer.exe) up, which each window test would otherwise start anew and wait for at its end.
rm -f "$WINEPREFIX/keeper.in"
mkfifo "$WINEPREFIX/keeper.in"
setsid wine cmd.exe <>"$WINEPREFIX/keeper.in" >/dev/null 2>&1 &
echo "Wine session of $WINEPREFIX on display :$display"
