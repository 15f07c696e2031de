// Entry point of the native benchmarks.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
