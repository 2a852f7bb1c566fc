#pragma once
// What the commands of both programs ask of the user interface. Commands receive a Ui by
// reference and never create widgets: every modal dialog is a Form (a plain struct of its
// fields), every message box a text with its buttons. The Qt face implements this for the
// programs; tests play a script of answers through ScriptedUi.

#include <functional>
#include <optional>
#include <string>

namespace zelvo {

class EngineProgress;

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// What OK's check returns to keep a dialog open: the message to show (may be empty when the
// check has shown its own messages already) and the field to focus.
struct FieldMessage {
  std::string text;
  std::string field;
};
using FormCheck = std::function<std::optional<FieldMessage>()>;

// Base of every dialog's form. The name identifies the dialog to the Ui.
struct Form {
  virtual ~Form() = default;
  virtual const char* FormName() const = 0;
};

struct FileDialogRequest {
  std::string title;
  std::string filter;            // "Data Files (*.*)|*.*|All Files (*.*)|*.*||" style
  std::string defaultExtension;  // ".csv"
  std::string initialFolder;
  bool mustExist = true;  // open dialogs: only an existing file
};

class Ui {
 public:
  virtual ~Ui() = default;

  // A message box with the exact text; returns the button pressed. With only OK it tells of a
  // refusal or a failure, with Yes/No (and Cancel) it asks a question.
  virtual Answer Message(const std::string& text, Buttons buttons = Buttons::Ok) = 0;
  // A message with only OK that tells of work done ("Import successfully completed."); the user
  // must not take it for a warning.
  virtual void Inform(const std::string& text) { Message(text, Buttons::Ok); }

  // Shows the dialog of `form` with its current values. On OK the typed values are written
  // into `form` and `check` runs: a FieldMessage keeps the dialog open (its text shown, its
  // field focused), nullopt closes it. Returns true when the dialog closed with OK.
  virtual bool Edit(Form& form, const FormCheck& check = {}) = 0;

  virtual std::optional<std::string> OpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileName(const FileDialogRequest& request) = 0;

  // Shows a text file: wait = true opens it modal and editable (the user may correct and
  // save it); wait = false shows it read-only beside the program.
  virtual void ShowReport(const std::string& path, bool wait) = 0;

  // Long work: status text ("" clears it), wait cursor, engine progress.
  virtual void SetStatus(const std::string& text) { (void)text; }
  virtual void SetBusy(bool busy) { (void)busy; }
  virtual EngineProgress* Progress() { return nullptr; }
};

// Typed convenience: the check receives the form it checks.
template <typename F>
bool EditForm(Ui& ui, F& form, const std::function<std::optional<FieldMessage>(F&)>& check = {}) {
  if (!check) return ui.Edit(form);
  return ui.Edit(form, [&form, &check]() { return check(form); });
}

}  // namespace zelvo
