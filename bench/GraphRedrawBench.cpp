// Google Benchmark of the largest flow graph the program draws: 20 curves of 150 daily water
// years in the flow graph window, on the offscreen platform. Timed: the first drawing (reading
// the 20 data set files, series, chart), a redraw from the records already read, and the two
// parts of a redraw (series and statistics in core, the chart).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/BenchRecord.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/graphs/qt/CChart2D.h"
#include "zelvo/graphs/qt/FlowGraphDialog.h"
#include "zelvo/session/AppState.h"

namespace zelvo::bench {
namespace {

using qt::FlowGraphDialog;

constexpr int kCurves = 20;

// Says nothing and answers nothing: the window only draws.
class QuietUi : public Ui {
 public:
  Answer Message(const std::string&, Buttons buttons) override {
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
  }
  bool Edit(Form&, const FormCheck&) override { return false; }
  std::optional<std::string> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  void ShowReport(const std::string&, bool) override {}
};

// A project of 20 data sets, each the benchmark record with its flows scaled, in a folder of
// its own that goes with the project.
class TwentyGauges {
 public:
  TwentyGauges() {
    std::random_device rd;
    folder_ = std::filesystem::temp_directory_path() / ("zelvo-graph-bench-" + std::to_string(rd()));
    std::filesystem::create_directories(folder_);
    const FlowRecord base = MakeBenchRecord();
    app.projectName = "Twenty gauges";
    app.projectFolder = folder_;
    for (int i = 0; i < kCurves; ++i) {
      FlowRecord record = base;
      const float scale = 0.5f + 0.1f * static_cast<float>(i);
      for (int y = 0; y < record.yearCount; ++y)
        for (float& flow : record.flows[y])
          if (flow != kMissing) flow *= scale;
      DataSetEntry entry;
      entry.title = "Gauge " + std::to_string(i + 1);
      entry.SetWaterYears(record.FirstYear(), record.LastYear());
      entry.fileName = DataSetFileName(i + 1);
      WriteDataSetFile(folder_ / entry.fileName, record, false);
      app.dataSets.push_back(entry);
    }
  }
  ~TwentyGauges() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  TwentyGauges(const TwentyGauges&) = delete;
  TwentyGauges& operator=(const TwentyGauges&) = delete;

  std::unique_ptr<FlowGraphDialog> OpenWindow() {
    auto dialog = std::make_unique<FlowGraphDialog>(app, FlowWindowKind::DataSets, ui);
    dialog->resize(1180, 760);
    dialog->show();
    return dialog;
  }
  static std::vector<int> All() {
    std::vector<int> all(kCurves);
    for (int i = 0; i < kCurves; ++i) all[i] = i;
    return all;
  }

  AppState app;
  QuietUi ui;

 private:
  std::filesystem::path folder_;
};

TwentyGauges& Project() {
  static TwentyGauges project;
  return project;
}

void BM_FlowGraphFirstDrawing(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<FlowGraphDialog> dialog = Project().OpenWindow();
    QApplication::processEvents();
    state.ResumeTiming();
    dialog->SelectEntries(TwentyGauges::All());  // reads the 20 files once, then draws
    QApplication::processEvents();
  }
}
BENCHMARK(BM_FlowGraphFirstDrawing)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FlowGraphRedraw(benchmark::State& state) {
  std::unique_ptr<FlowGraphDialog> dialog = Project().OpenWindow();
  dialog->SelectEntries(TwentyGauges::All());
  QApplication::processEvents();
  for (auto _ : state) {
    dialog->Redraw();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_FlowGraphRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();

// The redraw in its two parts: the series and statistics in core, then the chart.
void BM_FlowGraphSeries(benchmark::State& state) {
  std::unique_ptr<FlowGraphDialog> dialog = Project().OpenWindow();
  dialog->SelectEntries(TwentyGauges::All());
  for (auto _ : state) benchmark::DoNotOptimize(dialog->Window().Draw(Project().ui));
}
BENCHMARK(BM_FlowGraphSeries)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FlowGraphChart(benchmark::State& state) {
  std::unique_ptr<FlowGraphDialog> dialog = Project().OpenWindow();
  dialog->SelectEntries(TwentyGauges::All());
  const FlowGraph* graph = dialog->Window().Last();
  if (graph == nullptr) {
    state.SkipWithError("the graph was not drawn");
    return;
  }
  for (auto _ : state) {
    dialog->Chart()->Render(graph->chart);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_FlowGraphChart)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zelvo::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
