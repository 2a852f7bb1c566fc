// The dialogs of the two imports: "Import AGNC Data" with its Browse buttons, "Missing Peak
// Flow File", and the alternative file dialog.

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/import/ImportForms.h"
#include "common/qt/FieldText.h"
#include "common/qt/FormDialog.h"
#include "zelvo/store/ImportCommands.h"

namespace zelvo::qt {
namespace {

// A path field with its Browse button; the button asks the core's file dialog for the path.
QWidget* PathRow(FormDialog* dialog, QLineEdit*& edit, const QString& objectName) {
  auto* row = new QWidget(dialog);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  edit = new QLineEdit(row);
  edit->setObjectName(objectName);
  edit->setMinimumWidth(380);
  auto* browse = new QPushButton(QStringLiteral("Browse..."), row);
  browse->setObjectName(objectName + QStringLiteral("Browse"));
  browse->setAutoDefault(false);
  layout->addWidget(edit, 1);
  layout->addWidget(browse);
  QLineEdit* target = edit;
  QObject::connect(browse, &QPushButton::clicked, dialog, [dialog, target]() {
    if (!dialog->UiOf()) return;
    std::string path = target->text().toStdString();
    BrowseForImportFile(*dialog->UiOf(), path);
    target->setText(QString::fromStdString(path));
  });
  return row;
}

class ImportAgncDialog : public FormDialog {
 public:
  ImportAgncDialog(ImportAgncForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    setWindowTitle(QString::fromUtf8(ImportAgncForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(QString::fromUtf8(ImportAgncForm::kDailyFileLabel), PathRow(this, daily_, "dailyFile"));
    fields->addRow(QString::fromUtf8(ImportAgncForm::kPeakFileLabel), PathRow(this, peak_, "peakFile"));
    begin_ = new QLineEdit(this);
    end_ = new QLineEdit(this);
    begin_->setMaximumWidth(100);
    end_->setMaximumWidth(100);
    begin_->setValidator(YearValidator(begin_));
    end_->setValidator(YearValidator(end_));
    fields->addRow(QString::fromUtf8(ImportAgncForm::kBeginningYearLabel), begin_);
    fields->addRow(QString::fromUtf8(ImportAgncForm::kEndingYearLabel), end_);
    layout->addLayout(fields);
    AddOkCancel(layout);
  }
  void Load() override {
    daily_->setText(QString::fromStdString(form_.dailyFile));
    peak_->setText(QString::fromStdString(form_.peakFile));
    begin_->setText(QString::number(form_.beginningYear));
    end_->setText(QString::number(form_.endingYear));
    daily_->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.dailyFile = daily_->text().toStdString();
    form_.peakFile = peak_->text().toStdString();
    const std::optional<int> begin = ParseIntField(begin_->text());
    if (!begin) return FieldMessage{kNotANumberText, kFieldBeginningYear};
    const std::optional<int> end = ParseIntField(end_->text());
    if (!end) return FieldMessage{kNotANumberText, kFieldEndingYear};
    form_.beginningYear = *begin;
    form_.endingYear = *end;
    return std::nullopt;
  }
  QWidget* FieldWidget(const std::string& field) override {
    if (field == kFieldPeakFile) return peak_;
    if (field == kFieldBeginningYear) return begin_;
    if (field == kFieldEndingYear) return end_;
    return daily_;
  }
  // After a successful import the check has set the stored span; show it as the dialog closes.
  void done(int result) override {
    if (result == QDialog::Accepted) {
      begin_->setText(QString::number(form_.beginningYear));
      end_->setText(QString::number(form_.endingYear));
    }
    FormDialog::done(result);
  }

 private:
  ImportAgncForm& form_;
  QLineEdit* daily_ = nullptr;
  QLineEdit* peak_ = nullptr;
  QLineEdit* begin_;
  QLineEdit* end_;
};

class MissingPeakFileDialog : public FormDialog {
 public:
  MissingPeakFileDialog(MissingPeakFileForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    setWindowTitle(QString::fromUtf8(MissingPeakFileForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8(MissingPeakFileForm::kText), this));
    group_ = new QButtonGroup(this);
    auto* reenter = new QRadioButton(QString::fromUtf8(MissingPeakFileForm::kReenterText), this);
    auto* without = new QRadioButton(QString::fromUtf8(MissingPeakFileForm::kWithoutPeaksText), this);
    group_->addButton(reenter, MissingPeakFileForm::kReenter);
    group_->addButton(without, MissingPeakFileForm::kRunWithoutPeaks);
    layout->addWidget(reenter);
    layout->addWidget(without);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FormDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
  }
  void Load() override {}  // no choice preselected
  std::optional<FieldMessage> Store() override {
    form_.choice = group_->checkedId() < 0 ? MissingPeakFileForm::kNoChoice : group_->checkedId();
    return std::nullopt;
  }

 private:
  MissingPeakFileForm& form_;
  QButtonGroup* group_;
};

class AlternativeFileDialog : public FormDialog {
 public:
  AlternativeFileDialog(AlternativeFileForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    AddCaptionLabel(layout);
    SetCaption(QString::fromUtf8(AlternativeFileForm::kCaption));
    layout->addWidget(PathRow(this, path_, "path"));
    AddOkCancel(layout);
    setMinimumWidth(520);
  }
  void Load() override {
    path_->setText(QString::fromStdString(form_.path));
    path_->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.path = path_->text().toStdString();
    return std::nullopt;
  }
  QWidget* FieldWidget(const std::string&) override { return path_; }

 private:
  AlternativeFileForm& form_;
  QLineEdit* path_ = nullptr;
};

const bool registeredImport = RegisterFormDialog<ImportAgncForm, ImportAgncDialog>();
const bool registeredPeak = RegisterFormDialog<MissingPeakFileForm, MissingPeakFileDialog>();
const bool registeredAlternative = RegisterFormDialog<AlternativeFileForm, AlternativeFileDialog>();

}  // namespace
}  // namespace zelvo::qt
