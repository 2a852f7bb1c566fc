#include "tarvel/ParallelBatch.h"

#include <atomic>
#include <istream>
#include <mutex>
#include <ostream>
#include <thread>
#include <vector>

#include "common/io/TextInput.h"
#include "tarvel/BatchFile.h"
#include "tarvel/StationClassification.h"

namespace zelvo::tarvel {
namespace {

// Collects what a reader would show the user; nobody can answer a question here, so every
// question is answered No and every dialog cancelled (in batch mode the readers ask none).
class CollectingUi : public Ui {
 public:
  Answer Message(const std::string& text, Buttons buttons) override {
    messages.push_back(text);
    return buttons == Buttons::Ok ? Answer::Ok : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
  }
  bool Edit(Form& form, const FormCheck&) override {
    messages.push_back(std::string("the dialog ") + form.FormName() + " cannot be shown in a batch");
    return false;
  }
  std::optional<std::string> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  void ShowReport(const std::string&, bool) override {}
  std::vector<std::string> messages;
};

struct Job {
  int lineNumber = 0;
  BatchLine line;
  std::string rawText;
  // Filled by a worker:
  bool done = false;
  std::string outputLine;  // empty when nothing is written
  std::string problem;     // empty when none
};

std::string Indented(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '\n') out += "    ";
  }
  return out;
}

}  // namespace

ParallelBatchReport RunParallelBatch(std::istream& batch, const std::string& batchPath, int fileType,
                                     int jobs, std::ostream& out, std::ostream& problems,
                                     const StationImporter& importer) {
  ParallelBatchReport report;
  std::vector<Job> work;
  std::string text;
  for (int n = 1; ReadTextLine(batch, text); ++n) {
    Job job;
    job.lineNumber = n;
    job.line = ParseBatchLine(text);
    if (job.line.kind == BatchLineKind::Blank) continue;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    job.rawText = text;
    if (job.line.kind == BatchLineKind::Malformed) {
      ++report.skippedLines;
      job.problem =
          "line " + std::to_string(n) + ": skipped, not a station id followed by three numbers: " + text;
      job.done = true;
    } else {
      ++report.stations;
    }
    work.push_back(std::move(job));
  }

  out << kBatchOutputHeader;
  std::mutex mutex;
  std::size_t nextToWrite = 0;
  // Writes every finished job at the front of the list; called with the mutex held.
  auto flushReady = [&] {
    while (nextToWrite < work.size() && work[nextToWrite].done) {
      const Job& job = work[nextToWrite++];
      if (!job.outputLine.empty()) {
        out << job.outputLine;
        ++report.written;
      }
      if (!job.problem.empty()) problems << job.problem << "\n";
    }
    out.flush();
    problems.flush();
  };
  {
    std::lock_guard<std::mutex> lock(mutex);
    flushReady();
  }

  std::atomic<std::size_t> next{0};
  auto worker = [&] {
    for (;;) {
      const std::size_t i = next.fetch_add(1);
      if (i >= work.size()) return;
      Job& job = work[i];
      if (job.line.kind != BatchLineKind::Station) continue;
      const BatchStation& station = job.line.station;
      StationImportRequest request;
      request.path = StationPath(batchPath, station.stationId);
      request.fileType = fileType;
      request.beginYear = station.beginYear;
      request.endYear = station.endYear;
      request.batch = true;
      CollectingUi ui;
      FlowRecord record;
      std::string outputLine, problem;
      if (importer(request, record, ui)) {
        outputLine = BatchOutputLine(station, ClassifyFlowRecord(record).classCode);
      } else {
        problem = "line " + std::to_string(job.lineNumber) + ": station " + station.stationId + " (" +
                  request.path + ") was not classified";
        for (const std::string& m : ui.messages) problem += "\n    " + Indented(m);
      }
      std::lock_guard<std::mutex> lock(mutex);
      job.outputLine = std::move(outputLine);
      job.problem = std::move(problem);
      if (!job.problem.empty()) ++report.failed;
      job.done = true;
      flushReady();
    }
  };
  int threads = jobs < 1 ? 1 : jobs;
  if (threads > report.stations) threads = report.stations > 0 ? report.stations : 1;
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  for (std::thread& t : pool) t.join();
  std::lock_guard<std::mutex> lock(mutex);
  flushReady();
  return report;
}

}  // namespace zelvo::tarvel
