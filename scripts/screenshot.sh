#!/usr/bin/env bash
# Usage: screenshot.sh DIST_DIR OUTPUT.png   (inside with-display.sh: DISPLAY and WINEPREFIX are set)
# Draws the program on a Wine desktop that gives it a title bar, photographs the screen and crops the
# picture to the window, which the program centres itself on the 1024x768 desktop.
set -eu
dist=$(realpath "$1"); out=$2
here=$(dirname "$(realpath "$0")")
width=1024 height=768 windowWidth=311 windowHeight=523
mkdir -p "$(dirname "$out")"
# A copy, so that the picture never depends on the skin file left by an earlier run in dist/.
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cp "$dist"/KeywordMiner.exe "$dist"/SkinH_EL.dll "$dist"/dg.she "$work"/

LC_ALL=zh_CN.UTF-8 WINEDEBUG=-all wine explorer /desktop=KeywordMiner,${width}x${height} \
  "$work/KeywordMiner.exe" </dev/null >/dev/null 2>&1 &
program=$!
# The desktop appears first; give the program a moment to draw once it is there.
command -v xwininfo >/dev/null || sleep 5
for _ in $(seq 100); do
  command -v xwininfo >/dev/null || break
  xwininfo -root -tree 2>/dev/null | grep -q 'KeywordMiner' && break
  sleep 0.2
done
sleep 3
import -window root "$work/screen.png"
convert "$work/screen.png" -crop ${windowWidth}x${windowHeight}+$(((width - windowWidth) / 2))+$(((height - windowHeight) / 2)) +repage -strip "$out"
kill "$program" 2>/dev/null || true
echo "screenshot: $out"
