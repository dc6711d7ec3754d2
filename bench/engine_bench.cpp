// The cost of one estimation: the numbers alone, the numbers with the three
// result texts, and the whole request from the revenue text; and of many at
// once: every range, every elasticity, the whole grid, all with their texts.
#include "levora/distribution.h"
#include "levora/estimation.h"
#include "levora/estimation_request.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int elasticity0_5 = 14;
constexpr int range6000 = 8;

// One estimation from the accepted revenue, by the given engine entry point.
template <class Estimate>
void BM_Estimate(benchmark::State& state, Estimate estimate) {
    double revenue = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(revenue);
        auto result = estimate(revenue, elasticity0_5, range6000, levora::NumberFormat{});
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(BM_Estimate, Numbers, &levora::estimateNumbers);
BENCHMARK_CAPTURE(BM_Estimate, WithTexts, &levora::estimate);

void BM_Request(benchmark::State& state) {
    for (auto _ : state) {
        auto outcome = levora::requestEstimation("150.123456", elasticity0_5, range6000);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_Request);

// Many estimations at once, by the given engine entry point and position.
template <class Estimate>
void BM_Many(benchmark::State& state, Estimate estimate, int position) {
    double revenue = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(revenue);
        auto result = estimate(revenue, position, levora::NumberFormat{});
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(BM_Many, Distribution, &levora::distribution, elasticity0_5);
BENCHMARK_CAPTURE(BM_Many, ByElasticity, &levora::byElasticity, range6000);

// The goal: the whole grid of 475 estimations with texts in 50 µs or less.
void BM_Grid(benchmark::State& state) {
    double revenue = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(revenue);
        auto result = levora::grid(revenue);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Grid)->Unit(benchmark::kMicrosecond);

} // namespace
