#pragma once
// Base of every dialog that shows a core Form, and the registry that finds the dialog of a form
// by its FormName. A dialog class registers itself in its own source file:
//
//   const bool registered = RegisterFormDialog<ComputeForm, ComputeDialog>();
//
// The dialog moves values form -> widgets when it opens (Load) and widgets -> form on OK (Store),
// then runs the check; a check message is shown, its field focused and the dialog stays open.
// The dialog decides nothing itself.

#include <QDialog>
#include <functional>
#include <string>

#include "common/ui/Ui.h"

class QDialogButtonBox;
class QBoxLayout;
class QLabel;

namespace zelvo::qt {

class FormDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FormDialog(QWidget* parent);

  // Form -> widgets; called once before the dialog is shown.
  virtual void Load() = 0;
  // Widgets -> form; called on OK before the check. Returns a message (with its field) when a
  // widget holds text the form cannot take, for example a letter in a number field.
  virtual std::optional<FieldMessage> Store() = 0;
  // The widget of a form field named by a check, nullptr when none.
  virtual QWidget* FieldWidget(const std::string& field) {
    (void)field;
    return nullptr;
  }

  void SetCheck(FormCheck check) { check_ = std::move(check); }
  // The Ui that opened the dialog, for a button that opens a further dialog of the core.
  void SetUi(Ui* ui) { ui_ = ui; }
  Ui* UiOf() const { return ui_; }
  // Title of the message boxes the dialog shows.
  void SetMessageTitle(const QString& title) { messageTitle_ = title; }

  // OK: Store, check; on a message show it, focus the field and stay open.
  void accept() override;

 protected:
  // OK and Cancel in a row under the fields; Enter presses OK and Escape Cancel.
  QDialogButtonBox* AddOkCancel(QBoxLayout* layout);
  // A label that says inside the window what the caption says: many desktops show captions
  // small or not at all. SetCaption sets both.
  QLabel* AddCaptionLabel(QBoxLayout* layout);
  void SetCaption(const QString& caption);
  void ShowFieldMessage(const FieldMessage& message);

 private:
  QLabel* captionLabel_ = nullptr;
  FormCheck check_;
  Ui* ui_ = nullptr;
  QString messageTitle_ = QStringLiteral("ZELVO");
};

using FormDialogFactory = std::function<FormDialog*(Form& form, QWidget* parent)>;

// Registers the dialog factory of a form name; the last registration of a name wins.
bool RegisterFormDialogFactory(const std::string& formName, FormDialogFactory factory);
// The dialog of `form`, nullptr when no dialog is registered for its name.
FormDialog* CreateFormDialog(Form& form, QWidget* parent);
bool HasFormDialog(const std::string& formName);

// Registers dialog D (constructed as D(F&, QWidget*)) for form type F.
template <typename F, typename D>
bool RegisterFormDialog() {
  return RegisterFormDialogFactory(F().FormName(), [](Form& form, QWidget* parent) -> FormDialog* {
    return new D(dynamic_cast<F&>(form), parent);
  });
}

}  // namespace zelvo::qt
