#!/bin/sh
# Starts a Windows program under Wine on the current X display, waits for a window with the given
# title, optionally runs a command (to open another window, say), saves a picture and ends the
# program:
#   tools/screenshot.sh <program.exe> <window title> <picture.png> [command...]
# Without a command the picture is of that window; with one, of the whole screen. With KORVALE_DPI
# set, the program runs at that DPI (the prefix's display setting is changed for good).
# Meant to run inside tools/with-wine.sh, which provides the display and the Wine prefix.
set -eu
exe=$1
title=$2
picture=$3
shift 3

if [ -n "${KORVALE_DPI:-}" ]; then
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$KORVALE_DPI" /f \
    >/dev/null 2>&1
fi

"$WINE" "$exe" >/dev/null 2>&1 &
pid=$!
tries=0
until xwininfo -root -tree 2>/dev/null | grep -q "\"$title\""; do
  tries=$((tries + 1))
  if [ $tries -gt 300 ] || ! kill -0 "$pid" 2>/dev/null; then
    echo "screenshot: no window \"$title\" appeared" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
  fi
  sleep 0.1
done
sleep 1
if [ $# -gt 0 ]; then
  "$@"
  sleep 1
  import -window root "$picture"
else
  import -window "$title" "$picture"
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "screenshot saved to $picture"
