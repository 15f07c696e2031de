#!/bin/sh
# Runs inside the guest once, when the image is built (tools/guest-image.sh): makes the Wine
# prefix /root/prefix that tools/with-wine.sh copies for each run in the guest, so no test run
# pays for making one (minutes under emulation). WoW64: 64-bit Wine with 32-bit Wine beside it.
set -eu
# shellcheck source=tools/wine-env.sh
. ./wine-env.sh # handed in beside this script
export WINEPREFIX=/root/prefix WINEDEBUG=-all WINEDLLOVERRIDES="$KORVALE_WINEDLLOVERRIDES"
started=$(date +%s)
Xvfb :9 -noreset -nolisten tcp -screen 0 1024x768x24 -dpi 96 >/dev/null 2>&1 &
export DISPLAY=:9
/usr/lib/wine/wine64 wineboot -i
korvale_prepare_prefix "$WINEPREFIX" /usr/lib/wine/wine64
/usr/lib/wine/wineserver64 -w # the registry is written when the server ends
rm -f "$WINEPREFIX/wineserver" # the name of this boot's server folder
echo "make-prefix: the Wine prefix was made in $(( $(date +%s) - started )) s"
