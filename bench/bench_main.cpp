// The benchmark binary's entry: every bench/*_bench.cpp registers its benchmarks with it.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
