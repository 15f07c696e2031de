#!/bin/sh
# Runs a command in a private Wine environment on a private X display:
#   tools/with-wine.sh <command> [arguments...]
# Starts Xvfb (on a free display it picks itself; a 1024x768 screen, or KORVALE_SCREEN=WIDTHxHEIGHT),
# a wineserver and a fresh 64-bit Wine prefix, runs the command with DISPLAY, WINEPREFIX,
# WINESERVER, WINEDEBUG, WINEDLLOVERRIDES, TMPDIR and PULSE_SERVER set, and stops what it started,
# by process id, when the command ends or a signal (INT, TERM, HUP) arrives. Exits with the
# command's status, or 128 + the signal's number when interrupted.
# Leaves nothing behind: everything lives in one folder under $TMPDIR (or /tmp), removed at the
# end, and every process that still carries the run's prefix in its environment when the command
# has ended (one the command started in a session of its own) is ended too. A run killed with
# SIGKILL cannot stop what it started: the next run to start does (see end_abandoned_runs).
# With KORVALE_WINE_PREFIX_TEMPLATE naming a prefix made beforehand (as tools/guest/
# make-prefix.sh makes it), the run's prefix is a copy of it instead of a new one: the emulated
# guest keeps one in its image, as making one there takes minutes. The copy is made of hard
# links, which is quick and takes no room, so the template must lie on the file system of
# $TMPDIR; but the registry files are copied (see copy_template).
# shellcheck disable=SC2317 # stop() and what it calls run from the EXIT trap
set -eu
# shellcheck source=tools/wine-env.sh
. "$(dirname "$0")/wine-env.sh"

wine_dir=/usr/lib/wine
WINE=${WINE:-$(command -v wine64 || echo $wine_dir/wine64)}
WINESERVER=${WINESERVER:-$wine_dir/wineserver64}
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

# The start time of process $1 (clock ticks after boot), which tells it from a later process given
# the same id; empty when there is none.
start_time() {
  sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f20
}

# The ids of the user's processes (only theirs have readable environments) that carry Wine prefix
# $1 in their environment. The search itself runs without the variable, so as not to find itself.
prefix_processes() {
  (
    unset WINEPREFIX
    grep -lzxF "WINEPREFIX=$1" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3
  )
}

# Ends every process that carries Wine prefix $1: asked first, then killed after three seconds.
end_prefix_processes() {
  tries=0
  while pids=$(prefix_processes "$1") && [ -n "$pids" ] && [ $tries -lt 40 ]; do
    signal=TERM
    [ $tries -lt 30 ] || signal=KILL
    # shellcheck disable=SC2086 # one id a word
    kill -s $signal $pids 2>/dev/null || true
    tries=$((tries + 1))
    sleep 0.1
  done
}

# Each run records itself in a folder of the user's, wherever TMPDIR points: its script's process
# id and start time and its folder, in a file removed when it stops. Several runs may start at
# once: a record is only ended once its script is gone, by the one run that renames it first.
runs=${XDG_RUNTIME_DIR:-/tmp}/korvale-with-wine-$(id -u)
[ -d "$runs" ] || mkdir -m 700 "$runs" 2>/dev/null || true # another run may make it first
if [ -L "$runs" ] || [ ! -O "$runs" ] || [ ! -d "$runs" ]; then
  echo "with-wine: $runs is not a folder of this user's" >&2
  exit 1
fi

# Stops what runs killed with SIGKILL left: the wineserver (and with it the prefix's Windows
# programs), Xvfb, the command and anything else that carries the run's prefix; then its folder.
end_abandoned_runs() {
  for record in "$runs"/run.*; do
    [ -f "$record" ] || continue
    read -r owner owner_start folder <"$record" || continue
    [ "$(start_time "$owner")" != "$owner_start" ] || continue # still running
    claim=$runs/ending.$$.${record##*/}
    mv "$record" "$claim" 2>/dev/null || continue # another run is ending it
    case $folder in
      /*/korvale-wine.*)
        WINEPREFIX=$folder/prefix TMPDIR=$folder/tmp "$WINESERVER" -k 2>/dev/null || true
        end_prefix_processes "$folder/prefix"
        rm -rf "$folder"
        ;;
    esac
    rm -f "$claim"
  done
}
end_abandoned_runs

work=$(mktemp -d "${TMPDIR:-/tmp}/korvale-wine.XXXXXX")
work=$(cd "$work" && pwd) # absolute: the wineserver, in a folder of its own, needs it so
record=$runs/run.$$
echo "$$ $(start_time $$) $work" >"$record.new" && mv "$record.new" "$record"
# Every process started from here carries the run's prefix in its environment.
WINEPREFIX=$work/prefix
export WINEPREFIX
xvfb_pid=
server_pid=
command_pid=

# True while process $1 runs (an ended child that is not yet waited for does not run).
running() {
  [ -r "/proc/$1/stat" ] && [ "$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1)" != Z ]
}

# Ends a process and its process group: each of ours was started as a session leader.
end_session() {
  kill -TERM "-$1" 2>/dev/null || true
  tries=0
  while running "$1" && [ "$tries" -lt 50 ]; do
    tries=$((tries + 1))
    sleep 0.1
  done
  kill -KILL "-$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

stop() {
  set +e
  trap '' INT TERM HUP
  [ -z "$command_pid" ] || end_session "$command_pid"
  if [ -n "$server_pid" ]; then
    "$WINESERVER" -k 2>/dev/null # the prefix's Windows processes, then the server itself
    end_session "$server_pid"
  fi
  [ -z "$xvfb_pid" ] || end_session "$xvfb_pid"
  end_prefix_processes "$WINEPREFIX"
  rm -rf "$work"
  rm -f "$record"
}
trap stop EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# The wineserver, Xvfb and the command each run in a session of their own: a signal to this
# script's process group (what timeout and a cancelled CI job send) reaches only the script, which
# then stops them in order. Killed directly, the wineserver would leave the prefix's Windows
# processes behind, blocked for ever. In a shell without job control a background process does
# not lead its group, so setsid makes its session without forking: $! stays its process id.

# The screen's size in pixels, WIDTHxHEIGHT: KORVALE_SCREEN, or 1024x768.
screen=${KORVALE_SCREEN:-1024x768}
case $screen in
  [1-9]*x[1-9]*) ;;
  *) echo "with-wine: KORVALE_SCREEN must be WIDTHxHEIGHT, not $screen" >&2; exit 2 ;;
esac

# Xvfb writes the number of the display it chose to descriptor 3 once it is ready; -noreset keeps
# it from resetting each time its last client leaves.
setsid Xvfb -displayfd 3 -noreset -screen 0 "${screen}x24" -dpi 96 -nolisten tcp \
  3>"$work/display" 2>"$work/xvfb.log" </dev/null &
xvfb_pid=$!
tries=0
until [ -s "$work/display" ]; do
  tries=$((tries + 1))
  if [ $tries -gt 100 ] || ! running "$xvfb_pid"; then
    echo "with-wine: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  sleep 0.1
done

DISPLAY=:$(cat "$work/display")
WINEDEBUG=-all
WINEDLLOVERRIDES=$KORVALE_WINEDLLOVERRIDES
# No sound server but one the command starts itself (as tests/windows/pulse-server.sh does, which
# sets PULSE_SERVER anew): Wine prefers PulseAudio to ALSA, ALSA plays through a PulseAudio that
# runs (Debian's pulse.conf), and Debian starts one in every user's session, with the machine's
# devices. A server named here and never started leaves both to ALSA's configuration in HOME.
PULSE_SERVER=unix:$work/no-sound-server
# Debian's Wine keeps the server's socket in a folder $TMPDIR/wine-XXXXXX, which it names in the
# prefix's file "wineserver"; every Wine process must see the same TMPDIR to find it.
TMPDIR=$work/tmp
export DISPLAY WINESERVER WINEDEBUG WINEDLLOVERRIDES PULSE_SERVER WINE TMPDIR
mkdir -p "$WINEPREFIX" "$TMPDIR"

# The prefix as a copy of template $1, hard links but for the registry files: the wineserver
# writes a registry file that has other links straight into it, so every run's settings (a display
# DPI, a Windows version or DLL override for one program) would reach the template, and through
# it the runs after.
copy_template() {
  cp -al "$1/." "$WINEPREFIX/"
  for hive in "$WINEPREFIX"/*.reg; do
    [ ! -e "$hive" ] || cp --remove-destination "$1/${hive##*/}" "$hive"
  done
}
template=${KORVALE_WINE_PREFIX_TEMPLATE:-}
[ -z "$template" ] || copy_template "$template"

# A wineserver of our own, so its process id is ours to stop. It is ready when the socket it
# named in the prefix listens: a Wine program started before that would make a second server
# folder of its own for the same prefix.
setsid "$WINESERVER" --foreground --persistent </dev/null >"$work/wineserver.log" 2>&1 &
server_pid=$!
server_ready() {
  [ -s "$WINEPREFIX/wineserver" ] || return 1
  for socket in "$TMPDIR/$(cat "$WINEPREFIX/wineserver")"/server-*/socket; do
    [ -S "$socket" ] && return 0
  done
  return 1
}
tries=0
until server_ready; do
  tries=$((tries + 1))
  if [ $tries -gt 400 ] || ! running "$server_pid"; then
    echo "with-wine: the wineserver did not start:" >&2
    cat "$work/wineserver.log" >&2
    exit 1
  fi
  sleep 0.05
done

# Runs a command in a session of its own and waits for it; a signal ends the wait at once.
run() {
  "$@" 0<&3 3<&- &
  command_pid=$!
  status=0
  wait "$command_pid" || status=$?
  command_pid=
  return $status
}

# Makes the prefix, unless it is a copy. Should that fail, Wine's reasons (its error messages,
# which WINEDEBUG=-all hides) are gathered by trying once more with them on.
exec 3</dev/null
if [ -z "$template" ]; then
  if ! run setsid "$WINE" wineboot -i >"$work/wineboot.log" 2>&1; then
    echo "with-wine: wineboot -i failed (exit status $status); once more, with Wine's errors shown" >&2
    if ! WINEDEBUG=err+all run setsid "$WINE" wineboot -i >"$work/wineboot.log" 2>&1; then
      echo "with-wine: the Wine prefix could not be created (wineboot exit status $status):" >&2
      cat "$work/wineboot.log" >&2
      exit 1
    fi
  fi
  korvale_prepare_prefix "$WINEPREFIX" run setsid "$WINE" || exit 1
fi

exec 3<&0
status=0
run setsid "$@" || true
exit $status
