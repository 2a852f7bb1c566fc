// The project dialogs: "Select a project" and "Enter project name and description".

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "common/qt/FormDialog.h"
#include "zelvo/files/ProjectStore.h"
#include "zelvo/store/ProjectCommands.h"

namespace zelvo::qt {
namespace {

class ProjectSelectionDialog : public FormDialog {
 public:
  ProjectSelectionDialog(ProjectSelectionForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    setWindowTitle(QString::fromUtf8(ProjectSelectionForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumSize(320, 220);
    layout->addWidget(list_);
    AddOkCancel(layout);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this]() { accept(); });
  }
  void Load() override {
    for (const std::string& name : form_.names) list_->addItem(QString::fromStdString(name));
    if (list_->count() > 0) list_->setCurrentRow(std::clamp(form_.chosen, 0, list_->count() - 1));
    list_->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.chosen = list_->currentRow();
    if (form_.chosen < 0) return FieldMessage{"Please select a project.", "list"};
    return std::nullopt;
  }
  QWidget* FieldWidget(const std::string&) override { return list_; }

 private:
  ProjectSelectionForm& form_;
  QListWidget* list_;
};

class ProjectNameDialog : public FormDialog {
 public:
  ProjectNameDialog(ProjectNameForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    setWindowTitle(QString::fromUtf8(ProjectNameForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    name_ = new QLineEdit(this);
    name_->setMaxLength(static_cast<int>(kMaxProjectNameLength));
    name_->setMinimumWidth(360);
    description_ = new QPlainTextEdit(this);
    description_->setTabChangesFocus(true);
    description_->setMinimumHeight(110);
    fields->addRow(QStringLiteral("Name:"), name_);
    fields->addRow(QStringLiteral("Description:"), description_);
    layout->addLayout(fields);
    AddOkCancel(layout);
  }
  void Load() override {
    name_->setText(QString::fromStdString(form_.name));
    description_->setPlainText(QString::fromStdString(form_.description));
    name_->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.name = name_->text().toStdString();
    form_.description = description_->toPlainText().toStdString();
    return std::nullopt;
  }
  QWidget* FieldWidget(const std::string& field) override {
    return field == "description" ? static_cast<QWidget*>(description_) : name_;
  }

 private:
  ProjectNameForm& form_;
  QLineEdit* name_;
  QPlainTextEdit* description_;
};

const bool registeredSelection = RegisterFormDialog<ProjectSelectionForm, ProjectSelectionDialog>();
const bool registeredName = RegisterFormDialog<ProjectNameForm, ProjectNameDialog>();

}  // namespace
}  // namespace zelvo::qt
