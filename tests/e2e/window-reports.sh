#!/bin/sh
# Starts Korvale.exe, presses both report buttons from outside (KorvalePilot) and compares what
# its two text boxes then hold with the expected lines of both reports, those of the files named,
# one after the other:
#   window-reports.sh <wine> <Korvale.exe> <KorvalePilot.exe> <expected.txt>...
set -u
wine=$1
korvale=$2
pilot=$3
shift 3
out=$(mktemp)
expected=$(mktemp)
cat "$@" >"$expected"

"$wine" "$korvale" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null; rm -f "$out" "$expected"' EXIT

tries=0
until "$wine" "$pilot" reports >"$out" 2>/dev/null; do
  tries=$((tries + 1))
  [ $tries -lt 150 ] || { echo "FAIL: Korvale's window did not appear"; exit 1; }
  sleep 0.2
done
if ! tr -d '\r' <"$out" | diff -u "$expected" -; then
  echo "FAIL: the text boxes differ from the expected lines (- expected, + shown)"
  exit 1
fi
echo "ok:   $(basename "$korvale")'s text boxes hold the $(wc -l <"$expected") expected lines"
