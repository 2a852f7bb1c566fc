#include "zelvo/graphs/qt/GraphUi.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstring>

#include "common/qt/FieldText.h"
#include "zelvo/graphs/FlowSeries.h"
#include "zelvo/graphs/GraphDialogs.h"
#include "zelvo/graphs/GraphicsPreferences.h"

namespace zelvo::qt {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

bool RunChecked(QDialog& dialog, Ui& ui, const FormCheck& check, const std::function<bool()>& store) {
  for (;;) {
    if (dialog.exec() != QDialog::Accepted) return false;
    if (!store()) continue;
    if (!check) return true;
    const std::optional<FieldMessage> problem = check();
    if (!problem) return true;
    if (!problem->text.empty()) ui.Message(problem->text);
  }
}

bool EditThreshold(ThresholdForm& form, QWidget* parent, Ui& ui, const FormCheck& check) {
  QDialog d(parent);
  d.setWindowTitle(QStringLiteral("Threshold"));
  auto* layout = new QVBoxLayout(&d);
  layout->addWidget(new QLabel(ThresholdForm::kPrompt));
  auto* edit = new QLineEdit(Q(form.text));
  edit->setObjectName(QStringLiteral("threshold"));
  edit->setValidator(DecimalValidator(edit));
  layout->addWidget(edit);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  layout->addWidget(buttons);
  return RunChecked(d, ui, check, [&] {
    form.text = edit->text().toStdString();
    return true;
  });
}

bool EditYExtents(YAxisExtentsForm& form, QWidget* parent, Ui& ui, const FormCheck& check) {
  QDialog d(parent);
  d.setWindowTitle(YAxisExtentsForm::kCaption);
  auto* layout = new QFormLayout(&d);
  auto* minimum = new QLineEdit(QString::number(form.minimum, 'g', 10));
  auto* maximum = new QLineEdit(QString::number(form.maximum, 'g', 10));
  minimum->setValidator(DecimalValidator(minimum));
  maximum->setValidator(DecimalValidator(maximum));
  layout->addRow(QStringLiteral("Minimum Y Value"), minimum);
  layout->addRow(QStringLiteral("Maximum Y Value"), maximum);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* defaults = buttons->addButton(QStringLiteral("Use Defaults"), QDialogButtonBox::ActionRole);
  form.useDefaults = false;
  QObject::connect(defaults, &QPushButton::clicked, &d, [&] {
    form.useDefaults = true;
    d.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  layout->addRow(buttons);
  return RunChecked(d, ui, check, [&] {
    if (form.useDefaults) return true;
    bool okMin = false, okMax = false;
    const double lo = minimum->text().toDouble(&okMin);
    const double hi = maximum->text().toDouble(&okMax);
    if (!okMin || !okMax) {
      ui.Message("Please enter numbers for the Y axis extents.");
      return false;
    }
    form.minimum = lo;
    form.maximum = hi;
    return true;
  });
}

bool EditCapture(CaptureForm& form, QWidget* parent, Ui& ui, const FormCheck& check) {
  QDialog d(parent);
  d.setWindowTitle(QStringLiteral("Capture"));
  auto* layout = new QVBoxLayout(&d);
  layout->addWidget(new QLabel(CaptureForm::kCaption));
  auto* row = new QHBoxLayout;
  auto* path = new QLineEdit(Q(form.path));
  path->setMinimumWidth(360);
  auto* browse = new QPushButton(QStringLiteral("Browse"));
  row->addWidget(path);
  row->addWidget(browse);
  layout->addLayout(row);
  QObject::connect(browse, &QPushButton::clicked, &d, [&] {
    form.path = path->text().toStdString();
    BrowseCaptureFile(ui, form);
    path->setText(Q(form.path));
  });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  layout->addWidget(buttons);
  const bool ok = RunChecked(d, ui, check, [&] {
    form.path = path->text().trimmed().toStdString();
    return true;
  });
  // Let the dialog leave the screen before the chart is read.
  QApplication::processEvents();
  return ok;
}

// A rectangle filled with a curve colour.
class Swatch : public QLabel {
 public:
  Swatch() { setFixedSize(40, 16); }
  void SetColour(int r, int g, int b) {
    setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #444;")
                      .arg(QColor(r & 0xff, g & 0xff, b & 0xff).name()));
  }
};

bool EditGraphicsPreferences(GraphicsPreferencesForm& form, QWidget* parent, Ui& ui, const FormCheck& check) {
  QDialog d(parent);
  d.setWindowTitle(GraphicsPreferencesForm::kCaption);
  auto* top = new QHBoxLayout(&d);
  // Twenty colour rows are taller than a laptop's screen: they scroll inside their group.
  auto* colours = new QGroupBox(QStringLiteral("Curve Colours"));
  auto* colourLayout = new QVBoxLayout(colours);
  auto* scroll = new QScrollArea;
  scroll->setObjectName(QStringLiteral("colourRows"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* rows = new QWidget;
  auto* grid = new QGridLayout(rows);
  grid->addWidget(new QLabel(QStringLiteral("RED")), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("GREEN")), 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("BLUE")), 0, 3);
  std::array<std::array<QSpinBox*, 3>, kCurveColours> spins{};
  std::array<Swatch*, kCurveColours> swatches{};
  bool filling = true;
  for (int i = 0; i < kCurveColours; ++i) {
    grid->addWidget(new QLabel(QStringLiteral("Curve%1").arg(i + 1)), i + 1, 0);
    const int values[3] = {form.colours[i].red, form.colours[i].green, form.colours[i].blue};
    swatches[i] = new Swatch;
    for (int c = 0; c < 3; ++c) {
      auto* spin = new QSpinBox;
      spin->setRange(0, 255);
      spin->setValue(values[c] & 0xff);
      spins[i][c] = spin;
      grid->addWidget(spin, i + 1, c + 1);
      QObject::connect(spin, &QSpinBox::valueChanged, &d, [&, i] {
        if (filling) return;
        swatches[i]->SetColour(spins[i][0]->value(), spins[i][1]->value(), spins[i][2]->value());
      });
    }
    swatches[i]->SetColour(values[0], values[1], values[2]);
    grid->addWidget(swatches[i], i + 1, 4);
  }
  filling = false;
  // Rows keep their height; spare room goes below the last curve.
  grid->setRowStretch(kCurveColours + 1, 1);
  scroll->setWidget(rows);
  scroll->setMinimumWidth(rows->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
  colourLayout->addWidget(scroll);
  top->addWidget(colours);

  auto* defaults = new QGroupBox(QStringLiteral("Graph Defaults"));
  auto* right = new QVBoxLayout(defaults);
  // The radios of a group in `columns` columns, read down each column first; the group goes into
  // `into`. Two columns keep the defaults beside the colours within a laptop's height.
  auto radioGroup = [&](QBoxLayout* into, const QString& title, const std::vector<QString>& names, int chosen,
                        int columns) {
    auto* box = new QGroupBox(title);
    auto* l = new QGridLayout(box);
    l->setVerticalSpacing(2);
    const int rows = (static_cast<int>(names.size()) + columns - 1) / columns;
    std::vector<QRadioButton*> buttons;
    for (std::size_t i = 0; i < names.size(); ++i) {
      auto* b = new QRadioButton(names[i]);
      b->setChecked(static_cast<int>(i) == chosen);
      l->addWidget(b, static_cast<int>(i) % rows, static_cast<int>(i) / rows);
      buttons.push_back(b);
    }
    into->addWidget(box);
    return buttons;
  };
  std::vector<QString> annual, monthly;
  for (int i = 0; i < kAnnualSeriesCount; ++i) annual.push_back(AnnualSeriesName(i));
  for (int i = 0; i < kMonthlySeriesCount; ++i) monthly.push_back(MonthlySeriesName(i));
  const auto annualButtons =
      radioGroup(right, QStringLiteral("Annual Resolution"), annual, form.annualSeries, 2);
  const auto monthlyButtons =
      radioGroup(right, QStringLiteral("Monthly Resolution"), monthly, form.monthlySeries, 2);
  auto* pair = new QHBoxLayout;
  const auto scaleButtons = radioGroup(pair, QStringLiteral("Scale"),
                                       {QStringLiteral("Linear"), QStringLiteral("Log")}, form.scale, 1);
  const auto typeButtons = radioGroup(pair, QStringLiteral("Graph Type"),
                                      {QStringLiteral("Line"), QStringLiteral("Bar")}, form.graphType, 1);
  right->addLayout(pair);
  auto* points = new QCheckBox(QStringLiteral("Plot Points"));
  auto* gridBox = new QCheckBox(QStringLiteral("Grid"));
  auto* lineStyle = new QCheckBox(QStringLiteral("Line Style"));
  points->setChecked(form.plotPoints);
  gridBox->setChecked(form.grid);
  lineStyle->setChecked(form.lineStyle);
  auto* boxes = new QHBoxLayout;
  boxes->addWidget(points);
  boxes->addWidget(gridBox);
  boxes->addWidget(lineStyle);
  boxes->addStretch();
  right->addLayout(boxes);
  right->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  right->addWidget(buttons);
  top->addWidget(defaults);
  auto checked = [](const std::vector<QRadioButton*>& b, int fallback) {
    for (std::size_t i = 0; i < b.size(); ++i)
      if (b[i]->isChecked()) return static_cast<int>(i);
    return fallback;
  };
  return RunChecked(d, ui, check, [&] {
    for (int i = 0; i < kCurveColours; ++i)
      form.colours[i] = Rgb{spins[i][0]->value(), spins[i][1]->value(), spins[i][2]->value()};
    form.annualSeries = checked(annualButtons, form.annualSeries);
    form.monthlySeries = checked(monthlyButtons, form.monthlySeries);
    form.scale = checked(scaleButtons, form.scale);
    form.graphType = checked(typeButtons, form.graphType);
    form.plotPoints = points->isChecked();
    form.grid = gridBox->isChecked();
    form.lineStyle = lineStyle->isChecked();
    return true;
  });
}

}  // namespace

bool GraphUi::ShowsForm(const std::string& name) {
  return name == "Threshold" || name == "YAxisExtents" || name == "Capture" || name == "GraphicsPreferences";
}

bool GraphUi::Edit(Form& form, const FormCheck& check) {
  const std::string name = form.FormName();
  QWidget* parent = parent_.data();
  if (name == "Threshold") return EditThreshold(dynamic_cast<ThresholdForm&>(form), parent, *this, check);
  if (name == "YAxisExtents")
    return EditYExtents(dynamic_cast<YAxisExtentsForm&>(form), parent, *this, check);
  if (name == "Capture") return EditCapture(dynamic_cast<CaptureForm&>(form), parent, *this, check);
  if (name == "GraphicsPreferences")
    return EditGraphicsPreferences(dynamic_cast<GraphicsPreferencesForm&>(form), parent, *this, check);
  return program_.Edit(form, check);
}

void GraphUi::SetBusy(bool busy) {
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
  program_.SetBusy(busy);
}

}  // namespace zelvo::qt
