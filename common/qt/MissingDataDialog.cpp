// "Missing  Data": the screening report with its four buttons, shared by both programs.

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/import/ImportForms.h"
#include "common/qt/FormDialog.h"

namespace zelvo::qt {
namespace {

class MissingDataDialog : public FormDialog {
 public:
  MissingDataDialog(MissingDataForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    setWindowTitle(QString::fromUtf8(MissingDataForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    report_ = new QPlainTextEdit(this);
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::NoWrap);
    report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));  // the columns line up
    report_->setMinimumSize(560, 260);
    report_->setTabStopDistance(report_->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    layout->addWidget(report_);
    explanation_ = new QLabel(QString::fromUtf8(MissingDataForm::kExplanation), this);
    explanation_->setWordWrap(true);
    layout->addWidget(explanation_);
    auto* row = new QHBoxLayout;
    for (int code = 1; code <= 4; ++code) {
      auto* button = new QPushButton(this);
      button->setAutoDefault(false);
      buttons_[code - 1] = button;
      row->addWidget(button);
      connect(button, &QPushButton::clicked, this, [this, code]() {
        form_.choice = code;
        done(QDialog::Accepted);
      });
    }
    layout->addLayout(row);
  }
  void Load() override {
    QString text = QString::fromStdString(form_.report);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    report_->setPlainText(text);
    explanation_->setVisible(form_.showExplanation);
    for (int code = 1; code <= 4; ++code)
      buttons_[code - 1]->setText(QString::fromUtf8(MissingDataForm::ButtonText(form_.program, code)));
    form_.choice = MissingDataForm::kAbort;
    buttons_[1]->setFocus();
  }
  std::optional<FieldMessage> Store() override { return std::nullopt; }
  // The close box and Escape give code 4; the dialog still closes with OK so the code is read.
  void reject() override {
    form_.choice = MissingDataForm::kAbort;
    done(QDialog::Accepted);
  }

 private:
  MissingDataForm& form_;
  QPlainTextEdit* report_;
  QLabel* explanation_;
  std::array<QPushButton*, 4> buttons_{};
};

const bool registered = RegisterFormDialog<MissingDataForm, MissingDataDialog>();

}  // namespace
}  // namespace zelvo::qt
