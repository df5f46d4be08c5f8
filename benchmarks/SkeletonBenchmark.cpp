#include "Kavrix.h"
#include <benchmark/benchmark.h>
static void BM_Skeleton(benchmark::State &state) { for (auto _ : state) benchmark::DoNotOptimize(kavrixGetLcOption(0.1)); }
BENCHMARK(BM_Skeleton);
