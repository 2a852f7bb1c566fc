#include "tarvel/qt/TarvelDialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvo::tarvel {

ResultDialog::ResultDialog(const ClassificationScoresForm& form, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(form.FormName()));
  auto* layout = new QVBoxLayout(this);
  text_ = new QLabel(QString::fromStdString(form.resultText), this);
  text_->setObjectName("resultText");
  text_->setWordWrap(true);
  text_->setMinimumWidth(380);
  layout->addWidget(text_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

BatchDialog::BatchDialog(BatchFileForm& form, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
  setWindowTitle(QString::fromUtf8(form.FormName()));
  auto* grid = new QGridLayout(this);
  batchFile_ = new QLineEdit(QString::fromStdString(form.batchFile), this);
  batchFile_->setObjectName("batchFile");
  outputFile_ = new QLineEdit(QString::fromStdString(form.outputFile), this);
  outputFile_->setObjectName("outputFile");
  batchFile_->setMinimumWidth(360);
  auto* browseBatch = new QPushButton("Browse", this);
  browseBatch->setObjectName("browseBatch");
  auto* browseOutput = new QPushButton("Browse", this);
  browseOutput->setObjectName("browseOutput");
  browseBatch->setAutoDefault(false);
  browseOutput->setAutoDefault(false);
  grid->addWidget(new QLabel("Batch file:", this), 0, 0);
  grid->addWidget(batchFile_, 0, 1);
  grid->addWidget(browseBatch, 0, 2);
  grid->addWidget(new QLabel("Output file:", this), 1, 0);
  grid->addWidget(outputFile_, 1, 1);
  grid->addWidget(browseOutput, 1, 2);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  grid->addWidget(buttons, 2, 0, 1, 3);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(browseBatch, &QPushButton::clicked, this, [this] { Browse(batchFile_); });
  connect(browseOutput, &QPushButton::clicked, this, [this] { Browse(outputFile_); });
}

void BatchDialog::Browse(QLineEdit* field) {
  if (const auto path = BrowseForDataFile(ui_, field->text().toStdString()))
    field->setText(QString::fromStdString(*path));
}

void BatchDialog::accept() {
  form_.batchFile = batchFile_->text().toStdString();
  form_.outputFile = outputFile_->text().toStdString();
  QDialog::accept();
}

}  // namespace zelvo::tarvel
