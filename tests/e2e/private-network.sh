#!/usr/bin/env bash
# Usage: private-network.sh "HOST ..." COMMAND...
# Runs COMMAND (a fake service and the Wine tests against it) in a network and mount namespace of its
# own: only loopback is up, and the given host names resolve to 127.0.0.1, so the program's fixed host
# names reach a server the test starts on 127.0.0.1:80. Needs root. The wineserver of WINEPREFIX is
# restarted inside, since one started outside the namespace cannot connect anywhere from it.
set -eu
hosts=$1; shift
if [ "${PRIVATE_NETWORK_INSIDE:-}" != 1 ]; then
  exec env PRIVATE_NETWORK_INSIDE=1 unshare -mn "$0" "$hosts" "$@"
fi
ip link set lo up
table=$(mktemp)
trap 'rm -f "$table"' EXIT
{ echo "127.0.0.1 localhost"; for host in $hosts; do echo "127.0.0.1 $host"; done; } > "$table"
mount --bind "$table" /etc/hosts
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY no_proxy NO_PROXY
if [ -n "${WINEPREFIX:-}" ]; then
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  wineserver -p
  # Wine's services, started now and detached from our output (see scripts/with-display.sh).
  wine wineboot </dev/null >/dev/null 2>&1
fi
"$@"
