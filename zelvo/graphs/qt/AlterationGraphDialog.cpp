#include "zelvo/graphs/qt/AlterationGraphDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "zelvo/graphs/FlowGraphWindow.h"
#include "zelvo/graphs/GraphDialogs.h"
#include "zelvo/graphs/qt/CChart2D.h"
#include "zelvo/graphs/qt/GraphDialogParts.h"
#include "zelvo/session/SaveFile.h"

namespace zelvo::qt {

AlterationGraphDialog::AlterationGraphDialog(AlterationGraphInput input, Ui& ui, QWidget* parent)
    : QDialog(parent), input_(std::move(input)), ui_(ui, this) {
  setWindowTitle(kAlterationGraphCaption);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  auto* top = new QHBoxLayout(this);
  auto* controls = new QVBoxLayout;
  top->addLayout(controls, 0);

  std::vector<std::string> titles;
  for (const AlterationBars& b : input_.blocks) titles.push_back(b.title);
  list_ = AddCurveList(controls, "Select the period or alternative to graph:", false, titles, 140);
  if (list_->count() > 0) list_->setCurrentRow(0);
  grid_ = new QCheckBox(QStringLiteral("Grid"));
  controls->addWidget(grid_);

  auto* buttons = new QGridLayout;
  const QString names[] = {QStringLiteral("Export"), QStringLiteral("Capture"), QStringLiteral("Print"),
                           QStringLiteral("Close")};
  QPushButton* b[4];
  for (int i = 0; i < 4; ++i) {
    b[i] = new QPushButton(names[i]);
    b[i]->setAutoDefault(false);
    buttons->addWidget(b[i], i / 2, i % 2);
  }
  controls->addLayout(buttons);
  auto* note = new QLabel(
      QStringLiteral("Bars: (observed - expected) / expected years\nin the middle category, in percent.\n"
                     "No bar: nothing expected (N/A)."));
  controls->addWidget(note);
  controls->addStretch();

  connect(b[0], &QPushButton::clicked, this, [this] {
    const std::optional<std::string> path = AskSaveFile(ui_, CsvSaveRequest());
    if (path) SaveWholeFile(ui_, *path, AlterationExportText(input_, Block()));
  });
  connect(b[1], &QPushButton::clicked, this,
          [this] { CaptureChart(ui_, [this] { return chart_->Grab(); }); });
  connect(b[2], &QPushButton::clicked, this, [this] { chart_->Print(); });
  connect(b[3], &QPushButton::clicked, this, &QDialog::accept);

  auto* right = new QVBoxLayout;
  chart_ = new CChart2D;
  chart_->setMinimumSize(640, 420);
  right->addWidget(chart_, 1);
  right->addWidget(new QLabel(kZoomHint));
  top->addLayout(right, 1);

  connect(list_, &QListWidget::currentRowChanged, this, [this] { Redraw(); });
  connect(grid_, &QCheckBox::toggled, this, [this] { Redraw(); });
  Redraw();
}

int AlterationGraphDialog::Block() const { return list_->currentRow(); }

void AlterationGraphDialog::Redraw() {
  if (Block() < 0) {
    chart_->ClearChart();
    return;
  }
  chart_->Render(BuildAlterationChart(input_, Block(), grid_->isChecked()));
}

void OpenAlterationGraph(AlterationGraphInput input, Ui& ui, QWidget* parent) {
  AlterationGraphDialog dialog(std::move(input), ui,
                               parent != nullptr ? parent : QApplication::activeWindow());
  QSize wanted(1180, 760);
  if (const QScreen* screen = dialog.screen()) wanted = wanted.boundedTo(screen->availableGeometry().size());
  dialog.resize(wanted);
  dialog.exec();
}

}  // namespace zelvo::qt
