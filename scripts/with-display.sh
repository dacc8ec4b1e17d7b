#!/usr/bin/env bash
# Usage: with-display.sh PREFIX_DIR COMMAND...
# Runs COMMAND with an Xvfb display of its own, a ready Wine prefix in PREFIX_DIR and one
# wineserver kept alive for the whole command, then tears all three down.
set -u
prefix=$(realpath -m "$1"); shift
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

display=
for n in $(seq 91 140); do
  if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X${display#:} ] && break; sleep 0.1; done

cleanup() { wineserver -k 2>/dev/null; kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; }
trap cleanup EXIT

if [ ! -f "$prefix/.ready" ]; then
  mkdir -p "$prefix"
  wineboot -i >/dev/null 2>&1
  # Without a window manager Wine otherwise waits 2 s for every top-level window it hides or destroys.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.ready"
fi
wineserver -p
# Start Wine's own services now, detached from our output: started by the first test instead, they would
# inherit its output pipe and keep ctest waiting for ever.
wine wineboot </dev/null >/dev/null 2>&1
"$@"
