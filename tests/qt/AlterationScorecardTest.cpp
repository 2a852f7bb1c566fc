// The alteration scorecard of alternatives as a user runs it from the menu: the alternatives
// and the method dialogs, the report in the text window and the Alteration Graph, with pictures
// of each.

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QPrinter>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextEdit>
#include <cmath>
#include <filesystem>
#include <random>

#include "common/qt/QtUi.h"
#include "common/qt/TextWindow.h"
#include "qcustomplot.h"
#include "qt/QtTestSupport.h"
#include "support/ProjectFiles.h"
#include "support/TempFolder.h"
#include "zelvo/analysis/ScorecardCommands.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/graphs/qt/AlterationGraphDialog.h"
#include "zelvo/graphs/qt/CChart2D.h"
#include "zelvo/shell/CommandTable.h"
#include "zelvo/shell/qt/ProgramCommands.h"

namespace zelvo::qt {
namespace {

// A snow-melt stream; `regulated` flattens the spring rise and lifts the low flows, as a dam
// that stores the melt and releases it in late summer.
FlowRecord Stream(int first, int last, bool regulated, unsigned seed) {
  FlowRecord r;
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
  r.yearCount = last - first + 1;
  float storm = 0.0f;
  for (int i = 0; i < r.yearCount; ++i) {
    r.years[i] = first + i;
    const float wetness = 0.6f + 0.8f * uniform(random);
    for (int s = 0; s < kDaySlots; ++s) {
      const float season =
          1.0f + 0.9f * std::sin(2.0f * 3.14159265f * (static_cast<float>(s) - 120.0f) / 365.0f);
      if (uniform(random) < 0.03f) storm += 4.0f * uniform(random);
      storm *= 0.85f;
      const float natural = 100.0f * wetness * (season + storm);
      r.flows[i][s] = regulated ? 0.5f * natural + 80.0f * wetness : natural;
    }
  }
  return r;
}

class AlterationScorecard : public ::testing::Test {
 protected:
  void SetUp() override {
    app.projectName = "Upper Creek";
    app.projectFolder = temp.Path();
    Add("Natural flows", Stream(1950, 1989, false, 7));
    Add("Dam", Stream(1950, 1989, true, 7));
    app.baseline = 1;
  }
  void Add(const std::string& title, const FlowRecord& r) {
    zelvo::testing::AddStoredDataSet(app.projectFolder, app.dataSets, title, r);
  }
  zelvo::testing::TempFolder temp;
  AppState app;
};

TEST_F(AlterationScorecard, FromTheMenuToTheReportAndTheGraph) {
  QMainWindow main;
  QtUi ui(QStringLiteral("ZELVO"));
  ui.SetWindow(&main, main.statusBar());
  CommandTable table;
  BindProgramCommands(table);

  bool chose = false, methodShown = false, graphShown = false;
  int bars = 0, labels = 0;
  testing::WhenModals({
      [&](QWidget* w) {
        auto* list = testing::Find<QListWidget>(w, QStringLiteral("alternativeList"));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("Dam"));
        list->item(0)->setSelected(true);
        testing::Screenshot(w, QStringLiteral("scorecard_alternatives"));
        chose = true;
        qobject_cast<QDialog*>(w)->accept();
      },
      [&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Alteration Scorecard"));
        testing::Screenshot(w, QStringLiteral("scorecard_method_dialog"));
        methodShown = true;
        qobject_cast<QDialog*>(w)->accept();
      },
      [&](QWidget* w) {
        auto* graph = qobject_cast<AlterationGraphDialog*>(w);
        ASSERT_NE(graph, nullptr);
        EXPECT_EQ(graph->windowTitle(), QStringLiteral("Alteration Graph"));
        graph->resize(1180, 760);
        QApplication::processEvents();
        QCustomPlot* plot = graph->Chart()->Plot();
        bars = plot->plottableCount();
        labels = static_cast<int>(
            qSharedPointerDynamicCast<QCPAxisTickerText>(plot->xAxis->ticker())->ticks().size());
        testing::Screenshot(graph, QStringLiteral("alteration_graph"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((temp.Path() / "graph.pdf").string()));
        graph->Chart()->PrintTo(printer);
        graphShown = true;
        graph->accept();
      },
  });
  ASSERT_TRUE(table.Run(kCmdAlternativeAlterationScorecard, app, ui));
  EXPECT_TRUE(chose && methodShown && graphShown);
  EXPECT_EQ(bars, 3);  // one bar curve per alteration class
  EXPECT_EQ(labels, static_cast<int>(YearlyColumnNames().size()) - 1);
  EXPECT_GT(std::filesystem::file_size(temp.Path() / "graph.pdf"), 1000u);
  EXPECT_TRUE(std::filesystem::exists(temp.Path() / "scorecard.csv"));

  const std::vector<TextWindow*> reports = ui.OpenReports();
  ASSERT_EQ(reports.size(), 1u);
  TextWindow* report = reports.front();
  report->resize(1180, 760);
  report->show();
  QApplication::processEvents();
  ASSERT_NE(report->Viewer(), nullptr);
  const QString text = report->Viewer()->toPlainText();
  EXPECT_TRUE(text.startsWith(QStringLiteral("Alteration Scorecard - Alternatives")));
  EXPECT_TRUE(text.contains(QStringLiteral("Alternative 1:  Dam (water years 1950 to 1989)")));
  testing::Screenshot(report, QStringLiteral("scorecard_report"));
  // The block of the alternative, further down.
  QTextEdit* viewer = report->Viewer();
  ASSERT_TRUE(viewer->find(QStringLiteral("Alternative 1:")));
  viewer->moveCursor(QTextCursor::End);
  viewer->find(QStringLiteral("Alternative 1:"), QTextDocument::FindBackward);
  viewer->ensureCursorVisible();
  QApplication::processEvents();
  testing::Screenshot(report, QStringLiteral("scorecard_report_block"));
}

TEST_F(AlterationScorecard, GraphWindowSwitchesBetweenPeriodsAndDrawsNoBarForNA) {
  AlterationGraphInput input;
  input.heading = "Alteration Scorecard - Dam";
  input.method = "Method:  parametric";
  input.blocks.push_back({"After", {"mean", "zero_days"}, {-50.0, std::nullopt}});
  input.blocks.push_back({"Late", {"mean", "zero_days"}, {10.0, 90.0}});
  QtUi ui(QStringLiteral("ZELVO"));
  AlterationGraphDialog dialog(input, ui);
  dialog.show();
  ASSERT_EQ(dialog.List()->count(), 2);
  // Bars drawn per class (low, moderate, high) for the period shown.
  auto counts = [&dialog] {
    std::vector<int> n;
    for (int k = 0; k < dialog.Chart()->Plot()->plottableCount(); ++k)
      n.push_back(qobject_cast<QCPBars*>(dialog.Chart()->Plot()->plottable(k))->data()->size());
    return n;
  };
  EXPECT_EQ(counts(), (std::vector<int>{0, 1, 0}));
  dialog.List()->setCurrentRow(1);
  EXPECT_EQ(counts(), (std::vector<int>{1, 0, 1}));
}

}  // namespace
}  // namespace zelvo::qt
