#!/bin/sh
# Runs KorvaleReport.exe under Wine and compares what it prints with the expected lines, those
# of the files named before "--", one after the other:
#   report-tool.sh <wine> <KorvaleReport.exe> <expected.txt>... -- [arguments...]
# Passes when the tool exits 0, writes nothing to standard error and prints exactly the expected
# lines (each ended by CR LF, as Windows text output does).
set -u
wine=$1
exe=$2
shift 2
out=$(mktemp)
err=$(mktemp)
expected=$(mktemp)
trap 'rm -f "$out" "$err" "$expected"' EXIT
while [ $# -gt 0 ] && [ "$1" != -- ]; do
  cat "$1" >>"$expected"
  shift
done
[ $# -gt 0 ] && shift # the --

"$wine" "$exe" "$@" >"$out" 2>"$err"
status=$?
# 137: the Wine process was killed by SIGKILL (the tool never exits with 137 itself). Seen once
# in the emulated 32-bit guest, with the output complete; run once more, and judge that run.
if [ $status -eq 137 ]; then
  echo "note: the run was killed by SIGKILL from outside (exit code 137); running it again"
  "$wine" "$exe" "$@" >"$out" 2>"$err"
  status=$?
fi
failed=0
if [ $status -ne 0 ]; then
  echo "FAIL: exit code $status"; failed=1
fi
# Wine's own warnings may reach standard error; the tool's messages start with its name.
if grep -q '^KorvaleReport' "$err"; then
  echo "FAIL: the tool wrote to standard error:"; cat "$err"; failed=1
fi
if grep -qv "$(printf '\r')\$" "$out"; then
  echo "FAIL: a line does not end with CR LF"; failed=1
fi
if ! tr -d '\r' <"$out" | diff -u "$expected" -; then
  echo "FAIL: the output differs from the expected lines (- expected, + printed)"; failed=1
fi
[ $failed -eq 0 ] && echo "ok:   $(basename "$exe") $* printed $(wc -l <"$expected") expected lines"
exit $failed
