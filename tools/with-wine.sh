#!/bin/sh
# Runs a command in a private Wine environment on a private X display:
#   tools/with-wine.sh <command> [arguments...]
# Starts Xvfb (on a free display it picks itself), a wineserver and a fresh 64-bit Wine prefix,
# runs the command with DISPLAY, WINEPREFIX, WINESERVER, WINEDEBUG and WINEDLLOVERRIDES set, and
# stops what it started, by process id, when the command ends. Exits with the command's status.
set -eu

wine_dir=/usr/lib/wine
WINE=${WINE:-$(command -v wine64 || echo $wine_dir/wine64)}
WINESERVER=${WINESERVER:-$wine_dir/wineserver64}
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

work=$(mktemp -d "${TMPDIR:-/tmp}/korvale-wine.XXXXXX")
xvfb_pid=
server_pid=

stop() {
  set +e
  if [ -n "$server_pid" ]; then
    WINEPREFIX="$work/prefix" "$WINESERVER" -k 2>/dev/null # ends the prefix's Windows processes
    kill "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT TERM

# Xvfb writes the number of the display it chose to descriptor 3 once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
tries=0
until [ -s "$work/display" ]; do
  tries=$((tries + 1))
  if [ $tries -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "with-wine: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  sleep 0.1
done

DISPLAY=:$(cat "$work/display")
WINEPREFIX=$work/prefix
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" # no Mono or Gecko prompts, no menu entries
export DISPLAY WINEPREFIX WINESERVER WINEDEBUG WINEDLLOVERRIDES WINE

# A wineserver of our own in the foreground, so its process id is ours to stop. Wait until it
# listens on its socket, or the first Wine program would race to start a server of its own.
mkdir -p "$WINEPREFIX"
"$WINESERVER" --foreground --persistent &
server_pid=$!
tries=0
until ls -l "/proc/$server_pid/fd" 2>/dev/null | grep -q 'socket:'; do
  tries=$((tries + 1))
  if [ $tries -gt 100 ] || ! kill -0 "$server_pid" 2>/dev/null; then
    echo "with-wine: the wineserver did not start" >&2
    exit 1
  fi
  sleep 0.1
done
if ! "$WINE" wineboot -i >"$work/wineboot.log" 2>&1; then
  echo "with-wine: the Wine prefix could not be created:" >&2
  cat "$work/wineboot.log" >&2
  exit 1
fi

# Wine's own fonts (Tahoma, Marlett for the caption buttons) are packaged apart from the Wine that
# Debian builds here, which does not look for them: put them where every Windows program looks.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

# There is no window manager on the display: let Wine draw the window frames itself.
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

status=0
"$@" || status=$?
exit $status
