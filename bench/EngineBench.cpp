// Google Benchmark of the index engine on the largest record the system takes: 150 water years
// with peaks, all 171 indices with their limits. The file steps around it (reading the data set
// file, writing the results file) are timed too, as they make up the rest of `zelvo-cli compute`.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "bench/BenchRecord.h"
#include "common/engine/HiOutputFile.h"
#include "common/engine/IndexEngine.h"
#include "zelvo/files/DataSetFile.h"

namespace zelvo::bench {
namespace {

EngineOptions BenchOptions(bool median) {
  EngineOptions o;
  o.drainageArea = 1250.0f;
  o.lowerPercentile = 25.0f;
  o.upperPercentile = 75.0f;
  o.medianOption = median;
  o.usePeaks = true;
  return o;
}

void BM_IndexEngine(benchmark::State& state) {
  const FlowRecord record = MakeBenchRecord();
  const EngineOptions options = BenchOptions(state.range(0) != 0);
  for (auto _ : state) {
    IndexResults results = RunIndexEngine(record, options);
    benchmark::DoNotOptimize(results);
  }
}
BENCHMARK(BM_IndexEngine)->Arg(0)->Arg(1)->ArgName("median")->Unit(benchmark::kMillisecond);

void BM_ReadDataSetFile(benchmark::State& state) {
  std::ostringstream file;
  WriteDataSetFile(file, MakeBenchRecord(), true);
  const std::string text = file.str();
  for (auto _ : state) {
    std::istringstream in(text);
    FlowRecord record;
    benchmark::DoNotOptimize(ReadDataSetFile(in, true, record).Ok());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadDataSetFile)->Unit(benchmark::kMillisecond);

void BM_WriteHiOutput(benchmark::State& state) {
  const IndexResults results = RunIndexEngine(MakeBenchRecord(), BenchOptions(false));
  HiOutputHeader header;
  header.caption = "bench - 150 years";
  for (auto _ : state) {
    std::ostringstream out;
    WriteHiOutput(out, header, results);
    benchmark::DoNotOptimize(out.str());
  }
}
BENCHMARK(BM_WriteHiOutput)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelvo::bench

BENCHMARK_MAIN();
