#pragma once
// The Ui of zelvo-cli: messages go to standard error, questions are answered Yes (a script
// wants the import to go on), the screening report goes to standard output and the screening
// dialog takes the choice given on the command line. No dialog can be typed into.

#include <optional>
#include <string>

#include "common/ui/Ui.h"

namespace zelvo::cli {

class ConsoleUi : public Ui {
 public:
  // Code 1..4 the screening dialog answers with.
  int screeningChoice = 3;
  // Answer of the missing-peak-file dialog: reenter (ends the import) when the user named a peak
  // file that cannot be opened, run without peaks when no peak file was named.
  bool peakFileNamed = false;

  Answer Message(const std::string& text, Buttons buttons) override;
  bool Edit(Form& form, const FormCheck& check) override;
  std::optional<std::string> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  void ShowReport(const std::string& path, bool wait) override;
};

}  // namespace zelvo::cli
