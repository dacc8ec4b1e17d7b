#!/usr/bin/env bash
# Usage: run-program.sh DIST_DIR
# Starts the program on the user's display under Wine with the Chinese ANSI code page. It uses a Wine
# prefix of its own: the test prefix leaves windows to no window manager, which suits Xvfb but would
# leave the window without a frame on a desktop.
set -eu
dist=$(realpath "$1")
root=$(dirname "$(dirname "$(realpath "$0")")")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "no display: run this on a desktop session (or 'make screenshot' for a picture)" >&2
  exit 1
fi
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix-run}
export WINEDEBUG=${WINEDEBUG:--all} LC_ALL=zh_CN.UTF-8
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY no_proxy NO_PROXY
if [ ! -d "$WINEPREFIX" ]; then
  echo "preparing the Wine prefix $WINEPREFIX (once, about 15 s)"
  wineboot -i >/dev/null 2>&1 || true
fi
cd "$dist"
exec wine "$dist/KeywordMiner.exe" 2>/dev/null
