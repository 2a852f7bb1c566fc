// The data set dialogs: stream class, title and description, new data set, and the grid of daily
// values over the data table.

#include <QButtonGroup>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/qt/CDatatbl.h"
#include "common/qt/FieldText.h"
#include "common/qt/FormDialog.h"
#include "common/qt/MessageBox.h"
#include "common/ui/NumberFields.h"
#include "zelvo/files/DataSetEntry.h"
#include "zelvo/store/DataSetForms.h"

namespace zelvo::qt {
namespace {

QPlainTextEdit* DescriptionEdit(QWidget* parent) {
  auto* edit = new QPlainTextEdit(parent);
  edit->setTabChangesFocus(true);
  edit->setMinimumHeight(110);
  return edit;
}

// The "Title:" and "Description:" rows that the title and the new data set dialogs share.
void AddTitleAndDescription(QWidget* parent, QFormLayout* fields, QLineEdit*& title,
                            QPlainTextEdit*& description) {
  title = new QLineEdit(parent);
  title->setMaxLength(static_cast<int>(kMaxTitleLength));
  title->setMinimumWidth(380);
  description = DescriptionEdit(parent);
  fields->addRow(QStringLiteral("Title:"), title);
  fields->addRow(QStringLiteral("Description:"), description);
}

class StreamClassDialog : public FormDialog {
 public:
  StreamClassDialog(StreamClassForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    setWindowTitle(QString::fromUtf8(StreamClassForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    group_ = new QButtonGroup(this);
    for (int code = 0; code < 4; ++code) {
      auto* radio = new QRadioButton(QString::fromUtf8(StreamClassChoiceText(code)), this);
      group_->addButton(radio, code);
      layout->addWidget(radio);
    }
    AddOkCancel(layout);
    setMinimumWidth(280);
  }
  void Load() override {
    if (QAbstractButton* b = group_->button(form_.streamClass)) {
      b->setChecked(true);
      b->setFocus();
    }
  }
  std::optional<FieldMessage> Store() override {
    if (group_->checkedId() >= 0) form_.streamClass = group_->checkedId();
    return std::nullopt;
  }

 private:
  StreamClassForm& form_;
  QButtonGroup* group_;
};

class TitleDescriptionDialog : public FormDialog {
 public:
  TitleDescriptionDialog(TitleDescriptionForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    setWindowTitle(QString::fromUtf8(TitleDescriptionForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    AddTitleAndDescription(this, fields, title_, description_);
    layout->addLayout(fields);
    auto* classRow = new QHBoxLayout;
    classLine_ = new QLabel(this);
    auto* editClass = new QPushButton(QStringLiteral("Edit stream class"), this);
    editClass->setAutoDefault(false);
    classRow->addWidget(classLine_, 1);
    classRow->addWidget(editClass);
    layout->addLayout(classRow);
    AddOkCancel(layout);
    connect(editClass, &QPushButton::clicked, this, [this]() {
      if (!UiOf()) return;
      form_.EditStreamClass(*UiOf());
      classLine_->setText(QString::fromStdString(form_.StreamClassLine()));
    });
  }
  void Load() override {
    title_->setText(QString::fromStdString(form_.title));
    description_->setPlainText(QString::fromStdString(form_.description));
    classLine_->setText(QString::fromStdString(form_.StreamClassLine()));
    title_->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.title = title_->text().toStdString();
    form_.description = description_->toPlainText().toStdString();
    return std::nullopt;
  }
  QWidget* FieldWidget(const std::string& field) override {
    return field == "description" ? static_cast<QWidget*>(description_) : title_;
  }
  QLabel* ClassLine() const { return classLine_; }

 private:
  TitleDescriptionForm& form_;
  QLineEdit* title_;
  QPlainTextEdit* description_;
  QLabel* classLine_;
};

class NewDataSetDialog : public FormDialog {
 public:
  NewDataSetDialog(NewDataSetForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    setWindowTitle(QString::fromUtf8(NewDataSetForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    AddTitleAndDescription(this, fields, title_, description_);
    begin_ = new QLineEdit(this);
    end_ = new QLineEdit(this);
    begin_->setValidator(YearValidator(begin_));
    end_->setValidator(YearValidator(end_));
    fields->addRow(QStringLiteral("Beginning Water Year:"), begin_);
    fields->addRow(QStringLiteral("Ending Water Year:"), end_);
    layout->addLayout(fields);
    AddOkCancel(layout);
  }
  void Load() override {
    title_->setText(QString::fromStdString(form_.title));
    description_->setPlainText(QString::fromStdString(form_.description));
    begin_->setText(QString::number(form_.beginYear));
    end_->setText(QString::number(form_.endYear));
    title_->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.title = title_->text().toStdString();
    form_.description = description_->toPlainText().toStdString();
    const std::optional<int> begin = ParseIntField(begin_->text());
    if (!begin) return FieldMessage{kNotANumberText, "beginYear"};
    const std::optional<int> end = ParseIntField(end_->text());
    if (!end) return FieldMessage{kNotANumberText, "endYear"};
    form_.beginYear = *begin;
    form_.endYear = *end;
    return std::nullopt;
  }
  QWidget* FieldWidget(const std::string& field) override {
    if (field == "description") return description_;
    if (field == "beginYear") return begin_;
    if (field == "endYear") return end_;
    return title_;
  }

 private:
  NewDataSetForm& form_;
  QLineEdit* title_;
  QPlainTextEdit* description_;
  QLineEdit* begin_;
  QLineEdit* end_;
};

// Row captions of the grid: the calendar day of each slot from 1 October, 29 February included.
QString SlotCaption(int slot) {
  static const int days[12] = {31, 30, 31, 31, 29, 31, 30, 31, 30, 31, 31, 30};
  static const int months[12] = {10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  int m = 0;
  while (m < 11 && slot >= days[m]) slot -= days[m++];
  return QStringLiteral("%1/%2")
      .arg(months[m], 2, 10, QLatin1Char('0'))
      .arg(slot + 1, 2, 10, QLatin1Char('0'));
}

class DataGridDialog : public FormDialog {
 public:
  DataGridDialog(DataGridForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    setWindowTitle(QString::fromUtf8(DataGridForm::kCaption));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    auto* layout = new QVBoxLayout(this);
    table_ = new CDatatbl(this);
    table_->setObjectName(QStringLiteral("grid"));
    table_->SetParser([](const QString& text) -> std::optional<double> {
      const std::optional<float> value = ParseDecimalText(text.toStdString());
      if (!value) return std::nullopt;
      return static_cast<double>(*value);
    });
    layout->addWidget(table_);
    AddOkCancel(layout);
    connect(table_, &CDatatbl::NotANumber, this, [this](int, int, const QString& text) {
      ShowMessageBox(this, QStringLiteral("ZELVO"), CellNotANumberMessage(text.toStdString()), Buttons::Ok);
    });
    resize(900, 620);
  }
  void Load() override {
    const int columns = static_cast<int>(form_.years.size());
    table_->SetColumnCount(columns);
    table_->SetRowCount(kRows);
    QStringList rows;
    for (int r = 0; r < kRows; ++r) rows << SlotCaption(r);
    table_->setVerticalHeaderLabels(rows);
    table_->setUpdatesEnabled(false);
    for (int c = 0; c < columns; ++c) {
      table_->SetColumnCaption(c, QString::fromStdString(form_.ColumnCaption(c)));
      table_->SetColumnWidthUnits(c, DataGridForm::kColumnWidth);
      table_->SetNumberFormat(c, QStringLiteral("0.00"));
      const std::vector<float>& column = form_.values[static_cast<std::size_t>(c)];
      for (int r = 0; r < kRows && r < static_cast<int>(column.size()); ++r)
        table_->SetValue(r, c, static_cast<double>(column[static_cast<std::size_t>(r)]));
    }
    table_->setUpdatesEnabled(true);
    table_->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.values = Typed();
    return std::nullopt;
  }
  // Cancel, Escape and the close box: edits are not thrown away without asking.
  void reject() override {
    if (UiOf() != nullptr && !MayDiscardGridEdits(*UiOf(), form_, Typed())) return;
    FormDialog::reject();
  }

 private:
  // The grid's values as they stand, the edit in progress included.
  std::vector<std::vector<float>> Typed() {
    table_->CommitPendingEdit();
    std::vector<std::vector<float>> values = form_.values;
    for (int c = 0; c < static_cast<int>(values.size()); ++c) {
      std::vector<float>& column = values[static_cast<std::size_t>(c)];
      for (int r = 0; r < kRows && r < static_cast<int>(column.size()); ++r)
        if (const std::optional<double> v = table_->Value(r, c))
          column[static_cast<std::size_t>(r)] = static_cast<float>(*v);
    }
    return values;
  }

  static constexpr int kRows = 366;
  DataGridForm& form_;
  CDatatbl* table_;
};

const bool registeredClass = RegisterFormDialog<StreamClassForm, StreamClassDialog>();
const bool registeredTitle = RegisterFormDialog<TitleDescriptionForm, TitleDescriptionDialog>();
const bool registeredNew = RegisterFormDialog<NewDataSetForm, NewDataSetDialog>();
const bool registeredGrid = RegisterFormDialog<DataGridForm, DataGridDialog>();

}  // namespace
}  // namespace zelvo::qt
