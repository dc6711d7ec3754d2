// The cost of one estimation: the numbers alone, the numbers with the three
// result texts, and the whole request from the revenue text.
#include "levora/estimation.h"
#include "levora/estimation_request.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int elasticity0_5 = 14;
constexpr int range6000 = 8;

void BM_EstimateNumbers(benchmark::State& state) {
    double revenue = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(revenue);
        auto result = levora::estimateNumbers(revenue, elasticity0_5, range6000);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_EstimateNumbers);

void BM_EstimateWithTexts(benchmark::State& state) {
    double revenue = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(revenue);
        auto result = levora::estimate(revenue, elasticity0_5, range6000);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_EstimateWithTexts);

void BM_Request(benchmark::State& state) {
    for (auto _ : state) {
        auto outcome = levora::requestEstimation("150.123456", elasticity0_5, range6000);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_Request);

} // namespace
