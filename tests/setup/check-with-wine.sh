#!/bin/sh
# Checks tools/with-wine.sh as users and CI use it: runs in a row pass the command's exit status
# through; a SIGTERM to the process group in the middle of a command (what timeout and a cancelled
# CI job send) and a Ctrl-C while the prefix is being made end the run at once with 128 + the
# signal's number; a relative TMPDIR works; and no run leaves a process or a file behind, not even
# one the command started in a session of its own; what a run killed with SIGKILL left, the next
# run ends, and only that; a run on a copy of a template prefix leaves the template's registry as
# it was.
set -u
cd "$(dirname "$0")/../.." || exit 1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch" "$scratch.out" "$scratch.started" "$scratch.live" "$scratch.template"' EXIT
export TMPDIR="$scratch"
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

# Processes of this check's runs: each carries its run's Wine prefix, under $scratch.
leftovers() {
  sleep 1
  grep -l "WINEPREFIX=$scratch/" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3 | tr '\n' ' '
}

check_clean() {
  left=$(leftovers)
  [ -z "$left" ] || fail "$1 left processes running: $left"
  [ -z "$(ls -A "$scratch")" ] || fail "$1 left files: $(ls -A "$scratch")"
}

expect_status() {
  [ "$2" -eq "$3" ] || fail "$1 exited with $2, expected $3"
}

here=$PWD
for run in 1 2 3; do
  # shellcheck disable=SC2016 # $WINE is the inner shell's
  tools/with-wine.sh sh -c '"$WINE" cmd /c exit 5' >"$scratch.out" 2>&1
  expect_status "run $run" $? 5
  check_clean "run $run"
done
# A relative TMPDIR, as a user may set one.
# shellcheck disable=SC2016 # $WINE is the inner shell's
(cd "$scratch/.." && TMPDIR=${scratch##*/} "$here/tools/with-wine.sh" sh -c '"$WINE" cmd /c exit 5') \
  >"$scratch.out" 2>&1
expect_status "a run with a relative TMPDIR" $? 5
check_clean "a run with a relative TMPDIR"

# SIGTERM to the whole process group while a Windows program runs.
# shellcheck disable=SC2016
setsid tools/with-wine.sh sh -c 'touch "$0"; "$WINE" notepad.exe' "$scratch.started" >"$scratch.out" 2>&1 &
run=$!
tries=0
until [ -e "$scratch.started" ] || [ $tries -gt 600 ]; do
  tries=$((tries + 1))
  sleep 0.1
done
sleep 2
kill -TERM "-$run"
wait $run
expect_status "a run sent SIGTERM" $? 143
check_clean "a run sent SIGTERM"

# Ctrl-C while the prefix is being made (the shell that starts it in the background would have
# it ignore SIGINT, so the default is restored).
setsid env --default-signal=INT tools/with-wine.sh true >"$scratch.out" 2>&1 &
run=$!
tries=0
until ls -d "$scratch"/korvale-wine.*/prefix/drive_c >/dev/null 2>&1 || [ $tries -gt 300 ]; do
  tries=$((tries + 1))
  sleep 0.1
done
kill -INT "-$run"
wait $run
expect_status "a run interrupted while making the prefix" $? 130
grep -q 'could not be created' "$scratch.out" && fail "an interruption was reported as a failure"
check_clean "a run interrupted while making the prefix"

# A process the command started in a session of its own, which outlives the command.
tools/with-wine.sh sh -c 'setsid sleep 600 & exit 5' >"$scratch.out" 2>&1
expect_status "a run whose command left a process of its own" $? 5
check_clean "a run whose command left a process of its own"

# SIGKILL to the script, which cannot stop what it started: the next run to start does, and
# leaves alone what a run still going started.
wait_for_start() {
  tries=0
  until [ -e "$scratch.started" ] || [ $tries -gt 600 ]; do
    tries=$((tries + 1))
    sleep 0.1
  done
  rm -f "$scratch.started"
}
mkdir "$scratch.live"
# shellcheck disable=SC2016 # $0 is the inner shell's
TMPDIR=$scratch.live tools/with-wine.sh sh -c 'touch "$0"; exec sleep 600' "$scratch.started" \
  >"$scratch.out" 2>&1 &
live=$!
wait_for_start
# shellcheck disable=SC2016
tools/with-wine.sh sh -c 'touch "$0"; exec sleep 600' "$scratch.started" >"$scratch.out" 2>&1 &
killed=$!
wait_for_start
kill -KILL $killed
{ wait $killed; } 2>/dev/null # no "Killed" from the shell
[ -n "$(leftovers)" ] || fail "a run killed with SIGKILL left nothing to end: the case tests nothing"
tools/with-wine.sh true >"$scratch.out" 2>&1
expect_status "the run after one killed with SIGKILL" $? 0
check_clean "the run after one killed with SIGKILL"
grep -qlF "WINEPREFIX=$scratch.live/" /proc/[0-9]*/environ 2>/dev/null ||
  fail "a run ended another run that was still going"
kill -TERM $live 2>/dev/null
wait $live
rm -rf "$scratch.live"

# A template made by a run, as the guest's image makes one, then a run on a copy of it that
# changes the same setting: the change stays in the copy.
# shellcheck disable=SC2016 # the inner shell's variables
set_value='"$WINE" reg add "HKCU\\Software\\Korvale" /v Run /d "$0" /f >/dev/null 2>&1 &&
  "$WINESERVER" -k && "$WINESERVER" -w' # <value>; the wineserver saves the registry as it stops
mkdir "$scratch.template"
tools/with-wine.sh sh -c "$set_value; cp -a \"\$WINEPREFIX/.\" \"\$1\"" 1 "$scratch.template" \
  >"$scratch.out" 2>&1
grep -q '"Run"="1"' "$scratch.template/user.reg" 2>/dev/null || fail "the template was not made"
KORVALE_WINE_PREFIX_TEMPLATE=$scratch.template tools/with-wine.sh sh -c "$set_value" 2 \
  >"$scratch.out" 2>&1
grep -q '"Run"="2"' "$scratch.template/user.reg" && fail "a run wrote its setting into the template"
check_clean "a run on a template's copy"

[ $failed -eq 0 ] && echo "ok:   tools/with-wine.sh passed exit statuses, stopped on signals, left nothing, kept templates"
exit $failed
