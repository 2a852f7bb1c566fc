#include "cli/ConsoleUi.h"

#include <iostream>

#include "common/import/ImportForms.h"

namespace zelvo::cli {

Answer ConsoleUi::Message(const std::string& text, Buttons buttons) {
  std::cerr << "zelvo-cli: " << text << "\n";
  if (buttons == Buttons::Ok) return Answer::Ok;
  std::cerr << "zelvo-cli: (answered Yes)\n";
  return Answer::Yes;
}

bool ConsoleUi::Edit(Form& form, const FormCheck& check) {
  if (auto* screening = dynamic_cast<MissingDataForm*>(&form)) {
    std::cout << screening->report;
    if (screening->showExplanation) std::cout << MissingDataForm::kExplanation << "\r\n";
    std::cout << "Choice: " << MissingDataForm::ButtonText(screening->program, screeningChoice) << "\r\n";
    std::cout.flush();
    if (!std::cout) {
      // The report was not seen: the import does not go on as if it had been.
      std::cerr << "zelvo-cli: can not write the missing-data report to standard output\n";
      return false;
    }
    screening->choice = screeningChoice;
  } else if (auto* missingPeaks = dynamic_cast<MissingPeakFileForm*>(&form)) {
    if (peakFileNamed) std::cerr << "zelvo-cli: " << MissingPeakFileForm::kText << "\n";
    missingPeaks->choice =
        peakFileNamed ? MissingPeakFileForm::kReenter : MissingPeakFileForm::kRunWithoutPeaks;
  } else {
    std::cerr << "zelvo-cli: the dialog " << form.FormName() << " cannot be shown on the command line\n";
    return false;
  }
  if (check) {
    if (const auto problem = check()) {
      if (!problem->text.empty()) std::cerr << "zelvo-cli: " << problem->text << "\n";
      return false;
    }
  }
  return true;
}

void ConsoleUi::ShowReport(const std::string& path, bool wait) {
  (void)wait;
  std::cerr << "zelvo-cli: see " << path << "\n";
}

}  // namespace zelvo::cli
