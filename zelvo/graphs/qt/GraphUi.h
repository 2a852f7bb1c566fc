#pragma once
// The Ui the graph windows talk to: the program's Ui for messages and file dialogs, and the graph
// dialogs (threshold, Y extents, capture, graphics preferences) shown here.

#include <QPointer>
#include <QWidget>

#include "common/ui/Ui.h"

namespace zelvo::qt {

class GraphUi : public Ui {
 public:
  GraphUi(Ui& program, QWidget* parent) : program_(program), parent_(parent) {}

  Answer Message(const std::string& text, Buttons buttons = Buttons::Ok) override {
    return program_.Message(text, buttons);
  }
  void Inform(const std::string& text) override { program_.Inform(text); }
  bool Edit(Form& form, const FormCheck& check = {}) override;
  std::optional<std::string> OpenFileName(const FileDialogRequest& request) override {
    return program_.OpenFileName(request);
  }
  std::optional<std::string> SaveFileName(const FileDialogRequest& request) override {
    return program_.SaveFileName(request);
  }
  void ShowReport(const std::string& path, bool wait) override { program_.ShowReport(path, wait); }
  void SetStatus(const std::string& text) override { program_.SetStatus(text); }
  void SetBusy(bool busy) override;
  EngineProgress* Progress() override { return program_.Progress(); }

  // True when this Ui shows the form's dialog itself.
  static bool ShowsForm(const std::string& formName);

 private:
  Ui& program_;
  QPointer<QWidget> parent_;
};

}  // namespace zelvo::qt
