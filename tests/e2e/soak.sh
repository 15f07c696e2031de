#!/bin/sh
# Opens and closes the information window and presses both report buttons a thousand times, and
# checks from outside that Korvale's memory does not grow with it:
#   soak.sh <wine> <Korvale.exe> <KorvalePilot.exe> [largest growth per cycle in bytes]
# GDI and handle counts are not available under Wine, so the figure is the resident memory of
# the Korvale process as Linux sees it: after a warm-up, after 100 cycles and after 1,000.
set -u
wine=$1
korvale=$2
pilot=$3
limit=${4:-256}

"$wine" "$korvale" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null' EXIT
rss() { awk '/^VmRSS:/ { print $2 * 1024 }' "/proc/$pid/status"; }
cycles() { "$wine" "$pilot" soak "$1" || { echo "FAIL: the pilot could not finish $1 cycles"; exit 1; }; }

tries=0
until "$wine" "$pilot" soak 0 2>/dev/null; do
  tries=$((tries + 1))
  [ $tries -lt 100 ] || { echo "FAIL: Korvale's window did not appear"; exit 1; }
  sleep 0.2
done
cycles 50 # warm-up: caches, first-time allocations
before=$(rss)
cycles 100
at100=$(rss)
cycles 900
at1000=$(rss)

growth=$(( (at1000 - at100) / 900 ))
echo "resident memory: after warm-up $((before / 1024)) KB, after 100 cycles $((at100 / 1024)) KB," \
     "after 1,000 cycles $((at1000 / 1024)) KB; growth $growth bytes per cycle (limit $limit)"
[ "$growth" -le "$limit" ] || { echo "FAIL: memory grows with every cycle"; exit 1; }
echo "ok:   no growth per cycle beyond noise"
