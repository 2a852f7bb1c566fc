#include "tarvel/qt/TarvelWindow.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "common/qt/FieldText.h"

namespace zelvo::tarvel {

namespace {

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

const char* kHelpHtml =
    "<h3>Tarvel</h3>"
    "<p>Tarvel computes hydrologic indices from a record of daily mean flows and assigns the "
    "stream to one of four classes: Intermittent Stable, Perennial Stable, Perennial Flashy or "
    "Intermittent Flashy.</p>"
    "<h4>One station</h4>"
    "<p>Choose the kind of input file: <i>AGNC flow files</i> (agency daily-value files) or "
    "<i>Comma Separated Variable (.csv) file</i> (one column per water year, one row per day). "
    "Type the file name or press <b>Browse</b>. For daily-value files you may limit the water "
    "years: 0 as the beginning year starts with the first year of the file, 0 as the ending year "
    "ends with its last year. Press <b>OK</b>. When the file has missing days you are asked which "
    "years to keep. The result window shows the class, or says that the stream cannot be "
    "classified because some indices could not be calculated.</p>"
    "<h4>Many stations</h4>"
    "<p>Type <b>batch</b> as the file name and press <b>OK</b>. Name the batch file and the output "
    "file. Each line of the batch file reads <tt>station id,class,beginning year,ending year</tt>; "
    "the station id is the name of the station's input file, which lies in the folder of the batch "
    "file. All stations are read with the file type chosen in the main window; years with missing "
    "days are left out without asking. The output file gets the line "
    "<tt>station id,class,classified as</tt> and then one line per station with the class number "
    "1 to 4 or the word <tt>unclassified</tt>. A station whose file cannot be read ends the batch; "
    "the lines written so far are kept. Lines that do not hold a station id and three numbers are "
    "skipped and listed at the end.</p>";

}  // namespace

TarvelWindow::TarvelWindow(StationImporter importer, QWidget* parent)
    : QDialog(parent), ui_(this), importer_(std::move(importer)) {
  setWindowTitle(kMainWindowCaption);
  auto* layout = new QVBoxLayout(this);

  auto* typeBox = new QGroupBox("Input file type", this);
  auto* typeLayout = new QVBoxLayout(typeBox);
  dailyRadio_ = new QRadioButton(kDailyFileTypeText, typeBox);
  dailyRadio_->setObjectName("dailyRadio");
  csvRadio_ = new QRadioButton(kCsvFileTypeText, typeBox);
  csvRadio_->setObjectName("csvRadio");
  typeLayout->addWidget(dailyRadio_);
  typeLayout->addWidget(csvRadio_);
  layout->addWidget(typeBox);

  auto* grid = new QGridLayout();
  fileLabel_ = new QLabel(this);
  fileLabel_->setObjectName("fileLabel");
  fileName_ = new QLineEdit(this);
  fileName_->setObjectName("fileName");
  fileName_->setMinimumWidth(340);
  auto* browse = Button("Browse", "browse", this);
  grid->addWidget(fileLabel_, 0, 0);
  grid->addWidget(fileName_, 0, 1, 1, 2);
  grid->addWidget(browse, 0, 3);
  beginYear_ = new QLineEdit(this);
  beginYear_->setObjectName("beginYear");
  endYear_ = new QLineEdit(this);
  endYear_->setObjectName("endYear");
  for (QLineEdit* year : {beginYear_, endYear_}) {
    year->setValidator(zelvo::qt::YearValidator(year));
    year->setMaximumWidth(90);
  }
  grid->addWidget(new QLabel("Beginning Water Year:", this), 1, 0);
  grid->addWidget(beginYear_, 1, 1);
  grid->addWidget(new QLabel("Ending Water Year:", this), 2, 0);
  grid->addWidget(endYear_, 2, 1);
  grid->setColumnStretch(2, 1);
  layout->addLayout(grid);

  status_ = new QLabel(this);
  status_->setObjectName("status");
  status_->setMinimumHeight(status_->fontMetrics().height() + 4);
  layout->addWidget(status_);
  progress_ = new QProgressBar(this);
  progress_->setObjectName("progress");
  progress_->setRange(progress::kIdle, progress::kEnd);
  progress_->setTextVisible(false);
  // The bar keeps its room while hidden, so the window does not jump when it appears.
  QSizePolicy keep = progress_->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  progress_->setSizePolicy(keep);
  layout->addWidget(progress_);

  auto* buttons = new QHBoxLayout();
  auto* ok = Button("OK", "ok", this);
  ok->setDefault(true);
  auto* exitButton = Button("Exit", "exit", this);
  auto* about = Button("About", "about", this);
  auto* help = Button("Help", "help", this);
  buttons->addStretch(1);
  for (QPushButton* b : {ok, exitButton, about, help}) buttons->addWidget(b);
  layout->addLayout(buttons);

  ui_.SetStatusWidgets(status_, progress_);
  connect(dailyRadio_, &QRadioButton::clicked, this, [this] { SetFileType(kDailyFile); });
  connect(csvRadio_, &QRadioButton::clicked, this, [this] { SetFileType(kCsvFile); });
  connect(browse, &QPushButton::clicked, this, &TarvelWindow::Browse);
  connect(ok, &QPushButton::clicked, this, &TarvelWindow::Ok);
  connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(about, &QPushButton::clicked, this, &TarvelWindow::About);
  connect(help, &QPushButton::clicked, this, &TarvelWindow::Help);

  // Opening state: daily-value files, both years 0, empty status, no progress bar.
  dailyRadio_->setChecked(true);
  SetFileType(kDailyFile);
  ShowFields(state_.fields);
  status_->clear();
  progress_->setValue(progress::kIdle);
  progress_->hide();
}

void TarvelWindow::SetFileType(int fileType) {
  state_.fields.fileType = fileType;
  fileLabel_->setText(FileLabel(fileType));
  beginYear_->setEnabled(YearFieldsEnabled(fileType));
  endYear_->setEnabled(YearFieldsEnabled(fileType));
}

void TarvelWindow::ShowFields(const TarvelFields& fields) {
  fileName_->setText(QString::fromStdString(fields.fileName));
  beginYear_->setText(QString::number(fields.beginYear));
  endYear_->setText(QString::number(fields.endYear));
  fileName_->repaint();
  beginYear_->repaint();
  endYear_->repaint();
}

void TarvelWindow::ShowProgressBar(bool visible) {
  progress_->setVisible(visible);
  progress_->repaint();
}

void TarvelWindow::ReadFields() {
  state_.fields.fileName = fileName_->text().toStdString();
  state_.fields.beginYear = beginYear_->text().toInt();
  state_.fields.endYear = endYear_->text().toInt();
  state_.fields.fileType = csvRadio_->isChecked() ? kCsvFile : kDailyFile;
}

void TarvelWindow::Ok() {
  ReadFields();
  if (PressOk(state_, ui_, *this, importer_) == AfterRun::CloseWindow) accept();
}

void TarvelWindow::Browse() {
  if (const auto path = BrowseForDataFile(ui_, fileName_->text().toStdString()))
    fileName_->setText(QString::fromStdString(*path));
}

void TarvelWindow::About() { QMessageBox::about(this, "About tarvel", QString::fromStdString(AboutText())); }

void TarvelWindow::Help() {
  QDialog help(this);
  help.setWindowTitle("Tarvel Help");
  auto* layout = new QVBoxLayout(&help);
  auto* text = new QTextBrowser(&help);
  text->setObjectName("helpText");
  text->setHtml(kHelpHtml);
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &help);
  connect(buttons, &QDialogButtonBox::rejected, &help, &QDialog::reject);
  layout->addWidget(buttons);
  help.resize(620, 480);
  help.exec();
}

}  // namespace zelvo::tarvel
