// The dialogs of the analysis commands: "Time Period Profile Data", the report title and the
// choice of a period for the comparison report.

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "common/qt/FieldText.h"
#include "common/qt/FormDialog.h"
#include "zelvo/analysis/AnalysisForms.h"
#include "zelvo/analysis/TimePeriodProfiles.h"

namespace zelvo::qt {
namespace {

QString YearText(int year) { return year == 0 ? QString() : QString::number(year); }

class ProfileDialog : public FormDialog {
 public:
  ProfileDialog(ProfileForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    setWindowTitle(QStringLiteral("Time Period Profile Data"));
    auto* layout = new QVBoxLayout(this);
    periods_ = new QLabel(this);
    periods_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(periods_);
    layout->addWidget(new QLabel(QStringLiteral("Enter a time period profile title:"), this));
    title_ = new QLineEdit(this);
    title_->setMaxLength(40);
    layout->addWidget(title_);
    layout->addWidget(new QLabel(QStringLiteral("Define up to five time periods for analysis:"), this));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Beginning Year"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Ending Year"), this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Time Period Title"), this), 0, 3);
    for (int k = 0; k < kMaxPeriods; ++k) {
      grid->addWidget(new QLabel(QStringLiteral("Period %1").arg(k + 1), this), k + 1, 0);
      begin_[k] = new QLineEdit(this);
      end_[k] = new QLineEdit(this);
      titles_[k] = new QLineEdit(this);
      begin_[k]->setMaximumWidth(90);
      end_[k]->setMaximumWidth(90);
      begin_[k]->setValidator(YearValidator(begin_[k]));
      end_[k]->setValidator(YearValidator(end_[k]));
      titles_[k]->setMaxLength(40);
      titles_[k]->setMinimumWidth(260);
      grid->addWidget(begin_[k], k + 1, 1);
      grid->addWidget(end_[k], k + 1, 2);
      grid->addWidget(titles_[k], k + 1, 3);
    }
    layout->addLayout(grid);
    AddOkCancel(layout);
    // Tab runs along each row: beginning, ending, title, then the next row.
    QWidget* previous = title_;
    for (int k = 0; k < kMaxPeriods; ++k)
      for (QWidget* w : std::initializer_list<QWidget*>{begin_[k], end_[k], titles_[k]}) {
        setTabOrder(previous, w);
        previous = w;
      }
  }
  void Load() override {
    periods_->setText(QString::fromStdString(form_.periodsLine));
    title_->setText(QString::fromStdString(form_.title));
    for (int k = 0; k < kMaxPeriods; ++k) {
      begin_[k]->setText(YearText(form_.rows[k].beginYear));
      end_[k]->setText(YearText(form_.rows[k].endYear));
      titles_[k]->setText(QString::fromStdString(form_.rows[k].title));
    }
    title_->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.title = title_->text().toStdString();
    for (int k = 0; k < kMaxPeriods; ++k) {
      const std::string row = "row" + std::to_string(k + 1);
      for (auto [edit, year] :
           {std::pair{begin_[k], &form_.rows[k].beginYear}, {end_[k], &form_.rows[k].endYear}}) {
        if (edit->text().trimmed().isEmpty()) {
          *year = 0;
          continue;
        }
        const std::optional<int> value = ParseIntField(edit->text());
        if (!value) return FieldMessage{kNotANumberText, row};
        *year = *value;
      }
      form_.rows[k].title = titles_[k]->text().toStdString();
    }
    return std::nullopt;
  }
  QWidget* FieldWidget(const std::string& field) override {
    if (field.rfind("row", 0) == 0 && field.size() == 4) {
      const int k = field[3] - '1';
      if (k >= 0 && k < kMaxPeriods) return begin_[k];
    }
    return title_;
  }

 private:
  ProfileForm& form_;
  QLabel* periods_;
  QLineEdit* title_;
  std::array<QLineEdit*, kMaxPeriods> begin_{}, end_{}, titles_{};
};

class ReportTitleDialog : public FormDialog {
 public:
  ReportTitleDialog(ReportTitleForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    AddCaptionLabel(layout);
    SetCaption(QStringLiteral("Enter a title for the report"));
    title_ = new QLineEdit(this);
    title_->setMinimumWidth(400);
    layout->addWidget(title_);
    AddOkCancel(layout);
  }
  void Load() override {
    title_->setText(QString::fromStdString(form_.title));
    title_->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.title = title_->text().toStdString();
    return std::nullopt;
  }

 private:
  ReportTitleForm& form_;
  QLineEdit* title_;
};

class PeriodChoiceDialog : public FormDialog {
 public:
  PeriodChoiceDialog(PeriodChoiceForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    AddCaptionLabel(layout);
    label_ = new QLabel(this);
    layout->addWidget(label_);
    list_ = new QListWidget(this);
    list_->setMinimumSize(320, 160);
    layout->addWidget(list_);
    AddOkCancel(layout);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this]() { accept(); });
  }
  void Load() override {
    SetCaption(QString::fromStdString(form_.caption));
    label_->setText(QString::fromStdString(form_.label));
    for (const std::string& entry : form_.entries) list_->addItem(QString::fromStdString(entry));
    if (list_->count() > 0) list_->setCurrentRow(std::clamp(form_.chosen, 0, list_->count() - 1));
    list_->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.chosen = list_->currentRow();
    return std::nullopt;
  }
  QWidget* FieldWidget(const std::string&) override { return list_; }

 private:
  PeriodChoiceForm& form_;
  QLabel* label_;
  QListWidget* list_;
};

const bool registeredProfile = RegisterFormDialog<ProfileForm, ProfileDialog>();
const bool registeredTitle = RegisterFormDialog<ReportTitleForm, ReportTitleDialog>();
const bool registeredPeriod = RegisterFormDialog<PeriodChoiceForm, PeriodChoiceDialog>();

}  // namespace
}  // namespace zelvo::qt
