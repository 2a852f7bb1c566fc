// The missing-data screening window in the dialog registry, so that a Ui::Edit of the screening
// form shows it. The window itself is MissingDataDialog; this only runs it.

#include "common/qt/FormDialog.h"
#include "common/qt/MissingDataDialog.h"

namespace zelvo::qt {
namespace {

class MissingDataFormDialog : public FormDialog {
 public:
  MissingDataFormDialog(MissingDataForm& form, QWidget* parent) : FormDialog(parent), form_(form) {}
  void Load() override {}
  std::optional<FieldMessage> Store() override { return std::nullopt; }
  int exec() override {
    return MissingDataDialog::Run(form_, parentWidget()) ? QDialog::Accepted : QDialog::Rejected;
  }

 private:
  MissingDataForm& form_;
};

const bool registered = RegisterFormDialog<MissingDataForm, MissingDataFormDialog>();

}  // namespace
}  // namespace zelvo::qt
