#!/usr/bin/env bash
# Installs what a fresh Debian 12 lacks for building and testing; a second run only checks and costs seconds.
set -euo pipefail

packages=(
  cmake make g++ python3 iproute2 util-linux
  g++-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32:i386 wine64 fonts-wine
  xvfb xauth imagemagick x11-apps x11-utils fonts-wqy-microhei xdotool
  libboost-regex1.81-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" != 0 ]; then
  echo "missing packages: ${missing[*]} (run as root to install them)" >&2
  exit 1
fi
echo "installing: ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
