#!/bin/sh
# Builds the native benchmarks optimised and runs them:  tools/benchmark.sh [benchmark options]
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench
build/bench/bin/KorvaleBenchmarks "$@"
