#!/bin/sh
# Runs inside the guest once, when the image is built (tools/guest-image.sh): makes the Wine
# prefix /root/prefix that tools/with-wine.sh copies for each run in the guest, so no test run
# pays for making one (minutes under emulation). WoW64: 64-bit Wine with 32-bit Wine beside it.
set -eu
export WINEPREFIX=/root/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" # no Mono or Gecko prompts
started=$(date +%s)
Xvfb :9 -noreset -nolisten tcp -screen 0 1024x768x24 -dpi 96 >/dev/null 2>&1 &
export DISPLAY=:9
/usr/lib/wine/wine64 wineboot -i
# Wine's own fonts, where every Windows program looks; no window manager, so Wine draws frames.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
/usr/lib/wine/wineserver64 -w # the registry is written when the server ends
rm -f "$WINEPREFIX/wineserver" # the name of this boot's server folder
echo "make-prefix: the Wine prefix was made in $(( $(date +%s) - started )) s"
