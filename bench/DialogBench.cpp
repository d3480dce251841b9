#include <benchmark/benchmark.h>

#include "dialogs/DataExchange.h"

namespace {

void BM_ParseFieldDouble(benchmark::State& state) {
    double value = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vorna::ParseFieldDouble(" 1234.5678e-3 ", value));
    }
}
BENCHMARK(BM_ParseFieldDouble);

}  // namespace
