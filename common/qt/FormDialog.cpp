#include "common/qt/FormDialog.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <map>

#include "common/qt/MessageBox.h"

namespace zelvo::qt {
namespace {

std::map<std::string, FormDialogFactory>& Registry() {
  static std::map<std::string, FormDialogFactory> registry;
  return registry;
}

}  // namespace

FormDialog::FormDialog(QWidget* parent) : QDialog(parent) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void FormDialog::accept() {
  if (const std::optional<FieldMessage> bad = Store()) {
    ShowFieldMessage(*bad);
    return;
  }
  if (check_) {
    if (const std::optional<FieldMessage> problem = check_()) {
      ShowFieldMessage(*problem);
      return;
    }
  }
  QDialog::accept();
}

void FormDialog::ShowFieldMessage(const FieldMessage& message) {
  if (!message.text.empty()) ShowMessageBox(this, messageTitle_, message.text, Buttons::Ok);
  if (QWidget* field = FieldWidget(message.field)) {
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
  }
}

QDialogButtonBox* FormDialog::AddOkCancel(QBoxLayout* layout) {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  box->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(box, &QDialogButtonBox::accepted, this, &FormDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &FormDialog::reject);
  layout->addWidget(box);
  return box;
}

QLabel* FormDialog::AddCaptionLabel(QBoxLayout* layout) {
  captionLabel_ = new QLabel(windowTitle(), this);
  captionLabel_->setObjectName(QStringLiteral("captionLabel"));
  captionLabel_->setWordWrap(true);
  QFont bold = captionLabel_->font();
  bold.setBold(true);
  captionLabel_->setFont(bold);
  layout->addWidget(captionLabel_);
  return captionLabel_;
}

void FormDialog::SetCaption(const QString& caption) {
  setWindowTitle(caption);
  if (captionLabel_) captionLabel_->setText(caption);
}

bool RegisterFormDialogFactory(const std::string& formName, FormDialogFactory factory) {
  Registry()[formName] = std::move(factory);
  return true;
}

FormDialog* CreateFormDialog(Form& form, QWidget* parent) {
  const auto it = Registry().find(form.FormName());
  return it == Registry().end() ? nullptr : it->second(form, parent);
}

bool HasFormDialog(const std::string& formName) { return Registry().count(formName) != 0; }

}  // namespace zelvo::qt
