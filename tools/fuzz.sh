#!/bin/sh
# Builds the fuzz preset and runs each fuzz target for a while from a scratch copy of its corpus:
#   tools/fuzz.sh [seconds [target...]]
# 60 seconds each by default; the targets are tree, caps, volume, args, version and endpoints.
# Prints each target's executions per second and the code edges it reached. An input that fails
# is kept in build/fuzz/findings/<target>/ (crash-*, timeout-*, oom-*); copied into
# tests/fuzz/corpus/<target>/ as regression-<what>, it is replayed by ctest --preset fuzz for good.
# With KORVALE_FUZZ_MERGE=1 the inputs that reach code the committed corpus does not are merged
# into it.
set -eu
cd "$(dirname "$0")/.."
# shellcheck source=tools/build-lock.sh
. tools/build-lock.sh
tools/install-deps.sh

seconds=${1:-60}
[ $# -eq 0 ] || shift
targets=${*:-tree caps volume args version endpoints}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

summary=
failed=0
for target in $targets; do
  program=$PWD/build/fuzz/bin/fuzz-$target
  corpus=$PWD/tests/fuzz/corpus/$target
  scratch=$PWD/build/fuzz/scratch/$target
  findings=$PWD/build/fuzz/findings/$target
  log=$PWD/build/fuzz/fuzz-$target.log
  rm -rf "$scratch"
  mkdir -p "$scratch" "$findings"
  cp "$corpus"/* "$scratch"/
  echo "fuzz-$target: $seconds s"
  status=0
  "$program" -rss_limit_mb=2048 -timeout=10 -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/" "$scratch" >"$log" 2>&1 || status=$?
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  edges=$(sed -n 's/^#[0-9]*.*[[:space:]]cov: \([0-9]*\).*/\1/p' "$log" | tail -n 1)
  result="${speed:-?} exec/s, ${edges:-?} edges"
  if [ "$status" -ne 0 ]; then
    result="$result, FAILED (see $log and $findings)"
    failed=1
  elif [ "${KORVALE_FUZZ_MERGE:-0}" = 1 ]; then
    "$program" -merge=1 -rss_limit_mb=2048 -timeout=10 "$corpus" "$scratch" >>"$log" 2>&1
  fi
  summary="$summary$(printf '%-10s %s' "$target" "$result")
"
done
printf '\n%s' "$summary"
exit "$failed"
