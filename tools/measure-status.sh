#!/bin/sh
# Measures the CPU cost of one refresh of the information window's status lines, under Wine:
#   tools/measure-status.sh [refreshes]
set -eu
cd "$(dirname "$0")/.."
refreshes=${1:-2000}
tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target StatusBenchmark
tools/with-wine.sh sh -c "\"\$WINE\" build/win64/bin/StatusBenchmark.exe $refreshes"
