// Google Benchmark of the alteration scorecard on the largest record the system takes: 150 water
// years, the first 75 the baseline and the last 75 the altered period, from the per-year series
// to the CSV text (what `zelvo-cli scorecard --split` does between reading and writing).

#include <benchmark/benchmark.h>

#include "bench/BenchRecord.h"
#include "common/engine/YearlySeries.h"
#include "zelvo/analysis/ScorecardCommands.h"

namespace zelvo::bench {
namespace {

void BM_YearlySeries(benchmark::State& state) {
  const FlowRecord record = MakeBenchRecord();
  for (auto _ : state) {
    YearlySeries series = ComputeYearlySeries(record);
    benchmark::DoNotOptimize(series);
  }
}
BENCHMARK(BM_YearlySeries)->Unit(benchmark::kMillisecond);

void BM_ScorecardOfASplitRecord(benchmark::State& state) {
  const FlowRecord record = MakeBenchRecord();
  const YearlySeries series = ComputeYearlySeries(record);
  const int split = record.FirstYear() + record.yearCount / 2;
  ScorecardOptions options;
  if (state.range(0) != 0) options.method = ScorecardMethod::Parametric;
  for (auto _ : state) {
    const ScorecardPeriod base = ScorecardPeriodOf("before", series, record.FirstYear(), split - 1);
    const ScorecardPeriod after = ScorecardPeriodOf("after", series, split, record.LastYear());
    std::string csv = FormatScorecardCsv(ComputeScorecard(base, {after}, options));
    benchmark::DoNotOptimize(csv);
  }
}
BENCHMARK(BM_ScorecardOfASplitRecord)->Arg(0)->Arg(1)->ArgName("parametric")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelvo::bench

BENCHMARK_MAIN();
