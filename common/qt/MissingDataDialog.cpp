#include "common/qt/MissingDataDialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvo::qt {

MissingDataDialog::MissingDataDialog(MissingDataForm& form, QWidget* parent) : QDialog(parent), form_(form) {
  setWindowTitle(MissingDataForm::kCaption);
  form_.choice = MissingDataForm::kAbort;  // the close box
  auto* layout = new QVBoxLayout(this);
  auto* report = new QPlainTextEdit(this);
  report->setObjectName("report");
  report->setReadOnly(true);
  report->setLineWrapMode(QPlainTextEdit::NoWrap);
  report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QString text = QString::fromStdString(form.report);
  text.replace("\r\n", "\n");
  report->setPlainText(text);
  report->setTabStopDistance(8 * report->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
  report->setMinimumSize(640, 300);
  layout->addWidget(report);
  auto* explanation = new QLabel(MissingDataForm::kExplanation, this);
  explanation->setObjectName("explanation");
  explanation->setWordWrap(true);
  explanation->setVisible(form.showExplanation);
  layout->addWidget(explanation);
  auto* buttons = new QHBoxLayout();
  for (int code = 1; code <= 4; ++code) {
    auto* b = new QPushButton(MissingDataForm::ButtonText(form.program, code), this);
    b->setObjectName(QString("choice%1").arg(code));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, code] { Choose(code); });
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);
}

void MissingDataDialog::Choose(int code) {
  form_.choice = code;
  accept();
}

bool MissingDataDialog::Run(MissingDataForm& form, QWidget* parent) {
  MissingDataDialog dialog(form, parent);
  dialog.exec();
  return form.choice != MissingDataForm::kAbort;
}

}  // namespace zelvo::qt
