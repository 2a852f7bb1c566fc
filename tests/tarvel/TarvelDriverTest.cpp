#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

#include "support/EngineHarness.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "tarvel/BatchFile.h"
#include "tarvel/StationClassification.h"
#include "tarvel/TarvelDriver.h"

namespace zelvo::tarvel {
namespace {

namespace fs = std::filesystem;
using zelvo::testing::ConstantRecord;
using zelvo::testing::ScriptedUi;

// A Ui that also records the progress positions the run reports.
class ProgressUi : public ScriptedUi, public EngineProgress {
 public:
  EngineProgress* Progress() override { return this; }
  void SetPosition(int position) override { positions.push_back(position); }
  std::vector<int> positions;
};

class RecordingView : public TarvelView {
 public:
  void ShowFields(const TarvelFields& fields) override { shown.push_back(fields); }
  void ShowProgressBar(bool visible) override { progressBar.push_back(visible); }
  std::vector<TarvelFields> shown;
  std::vector<bool> progressBar;
};

// Stands in for the readers: each known path yields its record, any other path fails with the
// daily reader's open message.
struct FakeImporter {
  std::map<std::string, FlowRecord> files;
  std::vector<StationImportRequest> requests;
  std::function<void()> onRequest;  // called as each station is read

  StationImporter Bind() {
    return [this](const StationImportRequest& r, FlowRecord& record, Ui& ui) {
      requests.push_back(r);
      if (onRequest) onRequest();
      const auto it = files.find(r.path);
      if (it == files.end()) {
        ui.Message("Can not open the daily flow input data file:  " + r.path);
        return Status::Failure("Can not open the daily flow input data file:  " + r.path);
      }
      record = it->second;
      return Status::Success();
    };
  }
};

using zelvo::testing::TempFolder;

TEST(TarvelMainWindow, FileTypeSwitchesLabelAndYearFields) {
  EXPECT_STREQ(FileLabel(kDailyFile), "Daily Flow Data File:");
  EXPECT_TRUE(YearFieldsEnabled(kDailyFile));
  EXPECT_STREQ(FileLabel(kCsvFile), ".CSV Data File:");
  EXPECT_FALSE(YearFieldsEnabled(kCsvFile));
}

TEST(TarvelSingleStation, StatusProgressAndResultWindow) {
  FakeImporter importer;
  importer.files["/data/creek.txt"] = ConstantRecord(3, 12.0f);
  TarvelState state;
  state.fields = {"/data/creek.txt", 1991, 1993, kDailyFile};
  ProgressUi ui;
  std::string shownText;
  ui.Fill<ClassificationScoresForm>([&](ClassificationScoresForm& f) { shownText = f.resultText; });
  RecordingView view;

  EXPECT_EQ(PressOk(state, ui, view, importer.Bind()), AfterRun::StayOpen);

  ASSERT_EQ(importer.requests.size(), 1u);
  EXPECT_EQ(importer.requests[0].path, "/data/creek.txt");
  EXPECT_EQ(importer.requests[0].beginYear, 1991);
  EXPECT_EQ(importer.requests[0].endYear, 1993);
  EXPECT_FALSE(importer.requests[0].batch);
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Importing /data/creek.txt",
                                                   "Computing HI values for 3 years of data.", ""}));
  EXPECT_EQ(ui.forms, (std::vector<std::string>{"Classification  Scores"}));
  const StationClassification expected = ClassifyFlowRecord(ConstantRecord(3, 12.0f));
  EXPECT_EQ(state.classCode, expected.classCode);
  EXPECT_EQ(shownText, ClassificationResultText(expected.classCode));
  EXPECT_EQ(view.progressBar, std::vector<bool>{true});
  // The engine's positions rise to 100, then the bar goes back to 0 after the result window.
  ASSERT_GE(ui.positions.size(), 3u);
  EXPECT_EQ(ui.positions.front(), 1);
  EXPECT_EQ(ui.positions[ui.positions.size() - 2], 100);
  EXPECT_EQ(ui.positions.back(), 0);
  EXPECT_TRUE(std::is_sorted(ui.positions.begin(), ui.positions.end() - 1));
  EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false}));
  EXPECT_TRUE(ui.Finished());
}

TEST(TarvelSingleStation, FailedImportShowsNoResultAndKeepsTheFields) {
  FakeImporter importer;
  TarvelState state;
  state.fields = {"/data/missing.txt", 0, 0, kDailyFile};
  ProgressUi ui;
  RecordingView view;
  EXPECT_EQ(PressOk(state, ui, view, importer.Bind()), AfterRun::StayOpen);
  EXPECT_EQ(ui.messages,
            std::vector<std::string>{"Can not open the daily flow input data file:  /data/missing.txt"});
  EXPECT_TRUE(ui.forms.empty());
  EXPECT_TRUE(view.progressBar.empty());
  EXPECT_EQ(state.fields.fileName, "/data/missing.txt");
  // The window does not go on saying "Importing ..." about a run that ended.
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Importing /data/missing.txt", ""}));
  EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false}));
}

TEST(TarvelSingleStation, AnAbandonedImportClearsItsStatusToo) {
  // The user answers No to the fewer-than-20-years question: the reader gives up.
  TarvelState state;
  state.fields = {"/data/short.txt", 0, 0, kDailyFile};
  ProgressUi ui;
  ui.Answer(Answer::No);
  RecordingView view;
  const StationImporter abandoning = [](const StationImportRequest&, FlowRecord&, Ui& u) {
    if (u.Message("The number of years (12) is less than 20.\n\nDo you wish to continue?", Buttons::YesNo) ==
        Answer::Yes)
      return Status::Success();
    return Status::Failure("");
  };
  EXPECT_EQ(PressOk(state, ui, view, abandoning), AfterRun::StayOpen);
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Importing /data/short.txt", ""}));
  EXPECT_TRUE(ui.forms.empty());
  EXPECT_TRUE(ui.Finished());
}

TEST(TarvelSingleStation, AnEmptyFileNameIsAskedForNotOpened) {
  for (const char* empty : {"", "   "}) {
    for (int type : {kDailyFile, kCsvFile}) {
      FakeImporter importer;
      TarvelState state;
      state.fields = {empty, 0, 0, type};
      ProgressUi ui;
      RecordingView view;
      EXPECT_EQ(PressOk(state, ui, view, importer.Bind()), AfterRun::StayOpen);
      EXPECT_EQ(ui.messages, std::vector<std::string>{"Please enter the name of a daily flow file."});
      EXPECT_TRUE(importer.requests.empty());
      EXPECT_TRUE(ui.statuses.empty());  // no "Importing " with nothing after it
      EXPECT_TRUE(ui.busyChanges.empty());
    }
  }
}

TEST(TarvelSingleStation, OnlyTheExactWordBatchStartsABatch) {
  for (const char* name : {"Batch", " batch", "batch ", "BATCH"}) {
    FakeImporter importer;
    TarvelState state;
    state.fields.fileName = name;
    ProgressUi ui;
    RecordingView view;
    EXPECT_EQ(PressOk(state, ui, view, importer.Bind()), AfterRun::StayOpen) << name;
    ASSERT_EQ(importer.requests.size(), 1u) << name;
    EXPECT_EQ(importer.requests[0].path, name);
    EXPECT_TRUE(ui.forms.empty()) << "no batch dialog for " << name;
  }
}

// A batch run through the batch dialog with the given file names.
struct BatchRun {
  FakeImporter importer;
  TarvelState state;
  ProgressUi ui;
  RecordingView view;
  AfterRun after = AfterRun::StayOpen;

  void Run(const std::string& batchFile, const std::string& outputFile, int fileType = kDailyFile) {
    state.fields = {"batch", 0, 0, fileType};
    ui.Fill<BatchFileForm>([=](BatchFileForm& f) {
      EXPECT_EQ(f.batchFile, DefaultBatchFilePath());
      EXPECT_EQ(f.outputFile, DefaultBatchOutputPath());
      f.batchFile = batchFile;
      f.outputFile = outputFile;
    });
    after = PressOk(state, ui, view, importer.Bind());
  }
};

TEST(TarvelBatch, ThreeStationsWithTheSecondFailing) {
  TempFolder dir;
  dir.Write("batch.csv", "first,1,1991,1993\r\nsecond,2,1960,2000\r\nthird,3,0,0\r\n");
  BatchRun run;
  run.importer.files[dir.File("first")] = ConstantRecord(3, 5.0f);
  run.importer.files[dir.File("third")] = ConstantRecord(3, 5.0f);
  run.Run(dir.File("batch.csv"), dir.File("out.csv"));

  EXPECT_EQ(run.after, AfterRun::StayOpen);
  const int first = ClassifyFlowRecord(ConstantRecord(3, 5.0f)).classCode;
  EXPECT_EQ(dir.Read("out.csv"), std::string("station id,class,classified as\r\n") +
                                     BatchOutputLine({"first", 1, 1991, 1993}, first));
  ASSERT_EQ(run.importer.requests.size(), 2u);  // the third station is never read
  EXPECT_TRUE(run.importer.requests[0].batch);
  EXPECT_EQ(run.importer.requests[1].path, dir.File("second"));
  EXPECT_EQ(run.importer.requests[1].beginYear, 1960);
  EXPECT_EQ(run.importer.requests[1].endYear, 2000);
  EXPECT_EQ(run.ui.messages,
            std::vector<std::string>{"Can not open the daily flow input data file:  " + dir.File("second")});
  // The main window shows the failing station's path and years.
  EXPECT_EQ(run.state.fields.fileName, dir.File("second"));
  EXPECT_EQ(run.state.fields.beginYear, 1960);
  ASSERT_EQ(run.view.shown.size(), 2u);
  EXPECT_EQ(run.ui.statuses, (std::vector<std::string>{"Importing " + dir.File("first"),
                                                       "Computing HI values for 3 years of data.", "",
                                                       "Importing " + dir.File("second"), ""}));
}

TEST(TarvelBatch, NormalEndClosesTheWindowAndWritesEveryStation) {
  TempFolder dir;
  // Last line without an end, a blank line in between.
  dir.Write("batch.csv", "wet,2,1991,1995\n\ndry,4,1991,1995");
  FlowRecord dry = ConstantRecord(5, 0.0f);
  BatchRun run;
  run.importer.files[dir.File("wet")] = ConstantRecord(5, 300.0f);
  run.importer.files[dir.File("dry")] = dry;
  run.Run(dir.File("batch.csv"), dir.File("out.csv"));

  EXPECT_EQ(run.after, AfterRun::CloseWindow);
  EXPECT_EQ(dir.Read("out.csv"),
            std::string("station id,class,classified as\r\n") +
                BatchOutputLine({"wet", 2, 0, 0}, ClassifyFlowRecord(ConstantRecord(5, 300.0f)).classCode) +
                BatchOutputLine({"dry", 4, 0, 0}, ClassifyFlowRecord(dry).classCode));
  EXPECT_TRUE(run.ui.messages.empty());
  // The fields keep the last station's values; the bar went back to 0 after each station.
  EXPECT_EQ(run.state.fields.fileName, dir.File("dry"));
  EXPECT_EQ(std::count(run.ui.positions.begin(), run.ui.positions.end(), 0), 2);
  ASSERT_FALSE(run.ui.positions.empty());
  EXPECT_EQ(run.ui.positions.back(), 0);
}

TEST(TarvelBatch, CsvStationsGetTheYearsButTheCsvType) {
  TempFolder dir;
  dir.Write("batch.csv", "alt.csv,1,1960,2000\n");
  BatchRun run;
  run.importer.files[dir.File("alt.csv")] = ConstantRecord(2, 8.0f);
  run.Run(dir.File("batch.csv"), dir.File("out.csv"), kCsvFile);
  ASSERT_EQ(run.importer.requests.size(), 1u);
  EXPECT_EQ(run.importer.requests[0].fileType, kCsvFile);
  EXPECT_EQ(run.after, AfterRun::CloseWindow);
}

TEST(TarvelBatch, MalformedLinesAreSkippedAndReported) {
  TempFolder dir;
  dir.Write("batch.csv", "no comma here\r\nok,1,1991,1993\r\nbad,1,x,1993\r\n");
  BatchRun run;
  run.importer.files[dir.File("ok")] = ConstantRecord(3, 5.0f);
  run.Run(dir.File("batch.csv"), dir.File("out.csv"));
  EXPECT_EQ(run.after, AfterRun::CloseWindow);
  ASSERT_EQ(run.importer.requests.size(), 1u);
  ASSERT_EQ(run.ui.messages.size(), 1u);
  EXPECT_NE(run.ui.messages[0].find("line 1:  no comma here"), std::string::npos);
  EXPECT_NE(run.ui.messages[0].find("line 3:  bad,1,x,1993"), std::string::npos);
  const std::string out = dir.Read("out.csv");
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 2);
}

TEST(TarvelBatch, TheBatchFileAsItsOwnOutputIsRefusedAndKept) {
  TempFolder dir;
  const std::string list = "first,1,1991,1993\r\n";
  dir.Write("batch.csv", list);
  fs::create_symlink(dir.File("batch.csv"), dir.File("alias.csv"));
  for (const std::string& output :
       {dir.File("batch.csv"), dir.File("alias.csv"), dir.Path().string() + "/./batch.csv"}) {
    BatchRun run;
    run.importer.files[dir.File("first")] = ConstantRecord(3, 5.0f);
    run.Run(dir.File("batch.csv"), output);
    EXPECT_EQ(run.after, AfterRun::StayOpen) << output;
    EXPECT_EQ(run.ui.messages,
              std::vector<std::string>{"The output file can not be one of the input files:  " + output});
    EXPECT_TRUE(run.importer.requests.empty());
    EXPECT_EQ(dir.Read("batch.csv"), list);
  }
}

TEST(TarvelBatch, AStoppedRunKeepsTheStationsDoneAndTheOldOutputUntilThen) {
  TempFolder dir;
  dir.Write("batch.csv", "first,1,1991,1993\r\nsecond,2,1960,2000\r\n");
  dir.Write("out.csv", "an earlier run\r\n");
  BatchRun run;
  run.importer.files[dir.File("first")] = ConstantRecord(3, 5.0f);
  // While the run goes on the old output is still whole: nothing is written to the final name.
  run.importer.onRequest = [&] { EXPECT_EQ(dir.Read("out.csv"), "an earlier run\r\n"); };
  run.Run(dir.File("batch.csv"), dir.File("out.csv"));
  EXPECT_EQ(dir.Read("out.csv"), std::string("station id,class,classified as\r\n") +
                                     BatchOutputLine({"first", 1, 1991, 1993},
                                                     ClassifyFlowRecord(ConstantRecord(3, 5.0f)).classCode));
  for (const auto& entry : fs::directory_iterator(dir.Path()))
    EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
}

TEST(TarvelBatch, AnOverlongLineIsAMalformedLineAndAFolderIsNoBatchFile) {
  TempFolder dir;
  dir.Write("batch.csv", "ok,1,1991,1993\r\nlong," + std::string(2000000, '1') + ",1991,1993\r\n");
  BatchRun run;
  run.importer.files[dir.File("ok")] = ConstantRecord(3, 5.0f);
  run.Run(dir.File("batch.csv"), dir.File("out.csv"));
  ASSERT_EQ(run.importer.requests.size(), 1u);
  ASSERT_EQ(run.ui.messages.size(), 1u);
  EXPECT_NE(run.ui.messages[0].find("line 2:  (a line longer than 1 MB)"), std::string::npos);

  BatchRun folder;
  folder.Run(dir.Path().string(), dir.File("out2.csv"));
  EXPECT_EQ(folder.ui.messages,
            std::vector<std::string>{"Can not open the batch file:  " + dir.Path().string()});
  EXPECT_FALSE(fs::exists(dir.File("out2.csv")));
}

TEST(TarvelBatch, CancelClosesWithoutReadingOrWriting) {
  TempFolder dir;
  FakeImporter importer;
  TarvelState state;
  state.fields.fileName = "batch";
  ProgressUi ui;
  ui.Cancel<BatchFileForm>([&](BatchFileForm& f) { f.outputFile = dir.File("out.csv"); });
  RecordingView view;
  EXPECT_EQ(PressOk(state, ui, view, importer.Bind()), AfterRun::CloseWindow);
  EXPECT_TRUE(state.batchFlag);
  EXPECT_FALSE(fs::exists(dir.File("out.csv")));
  EXPECT_TRUE(importer.requests.empty());
}

TEST(TarvelBatch, UnopenableBatchFileLeavesAnEarlierOutputAlone) {
  TempFolder dir;
  dir.Write("out.csv", "earlier results\r\n");
  BatchRun run;
  run.Run(dir.File("no_such_batch.csv"), dir.File("out.csv"));
  EXPECT_EQ(run.after, AfterRun::StayOpen);
  EXPECT_EQ(run.ui.messages,
            std::vector<std::string>{"Can not open the batch file:  " + dir.File("no_such_batch.csv")});
  EXPECT_EQ(dir.Read("out.csv"), "earlier results\r\n");
}

TEST(TarvelBatch, UnopenableOutputFileEndsTheRunWithAMessage) {
  TempFolder dir;
  dir.Write("batch.csv", "ok,1,1991,1993\n");
  BatchRun run;
  run.Run(dir.File("batch.csv"), dir.File("no_folder/out.csv"));
  EXPECT_EQ(run.after, AfterRun::StayOpen);
  EXPECT_EQ(run.ui.messages,
            std::vector<std::string>{"Can not open the output file:  " + dir.File("no_folder/out.csv")});
  EXPECT_TRUE(run.importer.requests.empty());
}

TEST(TarvelBatch, BatchFlagIsClearedByTheNextOk) {
  FakeImporter importer;
  TarvelState state;
  state.batchFlag = true;
  state.fields.fileName = "/nowhere";
  ProgressUi ui;
  RecordingView view;
  PressOk(state, ui, view, importer.Bind());
  EXPECT_FALSE(state.batchFlag);
}

}  // namespace
}  // namespace zelvo::tarvel
