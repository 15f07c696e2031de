#!/bin/sh
# KorvaleReport's --caps, --volume, --tree and --json, and the main window's two reports, against
# a winmm.dll that answers as badly as a driver can (HostileWinmm.dll, put in the system folder of
# a Wine prefix of the test's own, for the two programs alone), once per script:
#   hostile-winmm.sh <wine> <KorvaleReport.exe> <Korvale.exe> <KorvalePilot.exe>
#                    <HostileWinmm.dll> <report.schema.json> <seconds per run> <script>...
# Every run must end within its time with a sane exit status, its output must be valid (the tree
# UTF-8 text; JSON that jq reads, all ASCII, that matches the schema), and the DLL's log must show
# every mixer opened closed once and no handle used after its close. Each script adds checks of its
# own in lines "#expect <run> <check> <argument>" (runs: caps, volume, tree, json, window; checks: has
# and lacks <text>, json <jq filter>, printable, exit <status>, smaller <bytes>).
#
# A check that waits for a behaviour the program does not have yet is named in the script by a
# line "#pending <the check's start> -- <the behaviour>": it is run and reported as XFAIL, and as
# XPASS once it passes, which is the sign to delete the #pending line.
# shellcheck disable=SC2317 # the checks' functions run through check()
set -u
here=$(dirname "$0")
# The DLL goes into the prefix's system folder: a prefix of its own keeps it from the other tests.
[ "${1:-}" = --in-prefix ] || exec "$here/../../../tools/with-wine.sh" sh "$0" --in-prefix "$@"
shift
wine=$1
report=$2
korvale=$3
pilot=$4
dll=$5
schema=$6
limit=$7
shift 7
work=$(mktemp -d)
# KORVALE_HOSTILE_KEEP names a folder that keeps each script's outputs and logs, to look at.
trap 'rm -rf "$work"' EXIT
failed=0
started=$(date +%s)
most_output=20000000

# An absolute path as Wine's programs name it: drive Z: is the root.
windows_path() { printf 'Z:%s' "$1" | tr / '\134'; }

# --- Putting the DLL in place -----------------------------------------------------------------
# A 32-bit DLL (PE machine 014c) in a 64-bit prefix belongs in the folder 32-bit programs see as
# their system folder. The copy in the prefix may be a hard link to a template's file: it is
# replaced, never written through.
machine=$(od -An -tx1 -j"$(($(od -An -tu4 -j60 -N4 "$dll")+4))" -N2 "$dll" | tr -d ' ')
system=$WINEPREFIX/drive_c/windows/system32
[ "$machine" = 4c01 ] && [ -d "$WINEPREFIX/drive_c/windows/syswow64" ] &&
  system=$WINEPREFIX/drive_c/windows/syswow64
if ! rm -f "$system/winmm.dll" || ! cp "$dll" "$system/winmm.dll"; then
  echo "FAIL: cannot put the DLL in $system"
  exit 1
fi
# Only the two programs take it: Wine's own programs keep their built-in winmm.
printf 'REGEDIT4\r\n\r\n' >"$work/overrides.reg"
for program in KorvaleReport.exe Korvale.exe; do
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\%s\\DllOverrides]\r\n"winmm"="native"\r\n\r\n' \
    "$program" >>"$work/overrides.reg"
done
"$wine" regedit /S "$(windows_path "$work/overrides.reg")" >/dev/null 2>&1 || { echo "FAIL: the DLL overrides could not be set"; exit 1; }

# --- Checks ----------------------------------------------------------------------------------
# A check's outcome, unless the script says it waits for a behaviour the program lacks.
outcome() { # <passed: 0|1> <description> [detail]
  pending=$(awk -v check="$2" '
    /^#pending / { line = substr($0, 10); split(line, parts, " -- ")
      if (index(check, parts[1]) == 1) { print parts[2]; exit } }' "$script_file")
  if [ "$1" = 0 ] && [ -z "$pending" ]; then
    echo "ok:    $name: $2"
  elif [ "$1" = 0 ]; then
    echo "XPASS: $name: $2 passes now: delete its #pending line (waited for: $pending)"
  elif [ -n "$pending" ]; then
    echo "XFAIL: $name: $2 (waits for: $pending)"
  else
    echo "FAIL:  $name: $2${3:+: $3}"
    failed=1
  fi
}
check() { # <description> <command...>: passes when the command succeeds
  description=$1
  shift
  if "$@" >"$work/detail" 2>&1; then outcome 0 "$description"; else
    outcome 1 "$description" "$(head -c 600 "$work/detail")"; fi
}

# The tree is UTF-8 (the classic reports print the ANSI records' bytes as they are). "printable":
# no control character but line ends, and no name breaks a line: on every line the quotes pair up.
utf8() { iconv -f UTF-8 -t UTF-8 "$1" >/dev/null; }
printable() {
  ! tr -d '\r\n' <"$1" | LC_ALL=C grep -q '[[:cntrl:]]' &&
    awk '{ if (gsub(/"/, "") % 2) { print "unpaired quotes on line " NR; exit 1 } }' "$1"
}
has() { tr -d '\r' <"$2" | grep -qF -- "$1"; }
lacks() { ! has "$1" "$2"; }
json_true() { jq -e "$1" "$2" >/dev/null; }
ascii() { ! LC_ALL=C grep -q "$(printf '[\200-\377]')" "$1"; }

# The exit status is one of <statuses>; when not, the run's error stream says why.
exited_with() { # <status> <error stream> <statuses...>
  got=$1
  said=$2
  shift 2
  for sane; do [ "$got" != "$sane" ] || return 0; done
  echo "status $got: $(head -c 400 "$said")"
  return 1
}

# Every mixer opened was closed, once, no handle was used after its close or never opened, no
# buffer was missing, and the script was read whole; with <ended>, the process let go of the DLL
# as it exited.
log_clean() { # <log> [ended]
  [ -s "$1" ] || { echo "no log"; return 1; }
  grep -E '^(script-error|use-after-close|unknown-handle|close-again|null-buffer|callback)' "$1" &&
    return 1
  awk '$1 == "open" { opened[$2]++ } $1 == "close" { closed[$2]++ }
    END { for (h in opened) if (closed[h] != 1) { print "handle " h " closed " closed[h] + 0 " times"; bad = 1 }
          exit bad }' "$1" || return 1
  [ -z "${2:-}" ] || grep -q '^end: ' "$1" || { echo "the DLL was not let go of"; return 1; }
}

# Runs KorvaleReport once: <run> <arguments...>; its output in $work/<run>.out.
run_report() {
  run=$1
  shift
  log=$work/$run.log
  # No more output is kept than a report could need: a program that writes without end fails
  # its writes, or its time, not the disk.
  (
    KORVALE_HOSTILE_LOG=$(windows_path "$log") timeout "$limit" "$wine" "$report" "$@" \
      2>"$work/$run.err"
    echo $? >"$work/$run.status"
  ) | head -c "$most_output" >"$work/$run.out"
  status=$(cat "$work/$run.status")
  check "$run time" test "$status" -ne 124
  [ "$status" -ne 124 ] || return # what else it did was cut short
  case $run in
    caps | volume) check "$run exit" exited_with "$status" "$work/$run.err" 0 ;;
    *) check "$run exit" exited_with "$status" "$work/$run.err" 0 4 ;;
  esac
  check "$run closed" log_clean "$log" ended
}

# The main window's two reports, from its buttons; its text boxes' lines in $work/window.out.
run_window() {
  log=$work/window.log
  KORVALE_HOSTILE_LOG=$(windows_path "$log") "$wine" "$korvale" >/dev/null 2>&1 &
  pid=$!
  tries=0
  # The pilot waits a while for the window; it is tried again while the window is not there.
  while :; do
    timeout "$limit" "$wine" "$pilot" reports >"$work/window.out" 2>/dev/null
    status=$?
    [ $status -eq 0 ] || [ $status -eq 124 ] || [ $tries -ge 20 ] || ! kill -0 "$pid" 2>/dev/null &&
      break
    tries=$((tries + 1))
    sleep 0.2
  done
  echo "$status" >"$work/window.status"
  check "window time" test "$status" -ne 124
  [ "$status" -ne 124 ] || { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; return; }
  check "window exit" test "$status" -eq 0
  check "window closed" log_clean "$log"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

run_expectations() {
  grep '^#expect ' "$script_file" | while IFS= read -r line; do
    set -f
    # shellcheck disable=SC2086 # split into run, check and argument on purpose
    set -- ${line#\#expect }
    set +f
    run=$1
    kind=$2
    argument=$(printf '%s\n' "$line" | cut -d' ' -f4-)
    out=$work/$run.out
    if [ "$(cat "$work/$run.status" 2>/dev/null)" = 124 ]; then
      echo "skip:  $name: $run $kind $argument (the run took too long)"
      continue
    fi
    case $kind in
      has | lacks) check "$run $kind $argument" "$kind" "$argument" "$out" ;;
      json) check "$run json $argument" json_true "$argument" "$out" ;;
      printable) check "$run printable" printable "$out" ;;
      smaller) check "$run smaller $argument" test "$(wc -c <"$out")" -lt "$argument" ;;
      exit) check "$run exit $argument" test "$(cat "$work/$run.status")" -eq "$argument" ;;
      *) outcome 1 "$line" "unknown check" ;;
    esac
    # The subshell's failures reach the caller through a file.
    [ $failed -eq 0 ] || : >"$work/expectation-failed"
  done
  [ ! -e "$work/expectation-failed" ] || failed=1
  rm -f "$work/expectation-failed"
}

for script_file in "$@"; do
  name=$(basename "$script_file" .txt)
  KORVALE_HOSTILE_SCRIPT=$(windows_path "$script_file")
  export KORVALE_HOSTILE_SCRIPT
  rm -f "$work"/*.out "$work"/*.log "$work"/*.status
  run_report caps --caps
  run_report volume --volume
  run_report tree --tree
  run_report json --json
  if [ "$(cat "$work/json.status")" != 124 ]; then
    check "json valid" jq -e . "$work/json.out"
    check "json ascii" ascii "$work/json.out"
    check "json schema" /usr/bin/python3 "$here/../check-json-schema.py" "$schema" "$work/json.out"
  fi
  [ "$(cat "$work/tree.status")" = 124 ] || check "tree utf8" utf8 "$work/tree.out"
  run_window
  run_expectations
  [ -z "${KORVALE_HOSTILE_KEEP:-}" ] ||
    { mkdir -p "$KORVALE_HOSTILE_KEEP/$name" && cp "$work"/*.* "$KORVALE_HOSTILE_KEEP/$name/"; }
done
echo "hostile-winmm: $# scripts in $(($(date +%s) - started)) s"
exit $failed
