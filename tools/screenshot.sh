#!/bin/sh
# Starts a Windows program under Wine on the current X display, waits for a window with the given
# title, saves a picture of that window and ends the program:
#   tools/screenshot.sh <program.exe> <window title> <picture.png> [seconds to wait first]
# Meant to run inside tools/with-wine.sh, which provides the display and the Wine prefix.
set -eu
exe=$1
title=$2
picture=$3
settle=${4:-1}

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
sleep "$settle"
import -window "$title" "$picture"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "screenshot saved to $picture"
