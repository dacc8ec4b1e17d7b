#!/usr/bin/env bash
# Runs one Windows program under the build's own Wine prefix with the Chinese ANSI code page.
# with-display.sh provides DISPLAY, WINEPREFIX and a persistent wineserver.
set -u
export WINEDEBUG=${WINEDEBUG:--all}
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY no_proxy NO_PROXY
# Set for wine alone: the locale is not generated, and bash would warn about it.
exec env LC_ALL=zh_CN.UTF-8 wine "$@"
