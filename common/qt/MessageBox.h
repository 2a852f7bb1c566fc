#pragma once
// Message boxes with the program's exact texts and buttons.

#include <QString>
#include <string>

#include "common/ui/Ui.h"

class QWidget;

namespace zelvo::qt {

// Shows `text` as plain text (line breaks and doubled blanks kept) with the buttons asked for;
// returns the button pressed. Escape answers No on Yes/No and Cancel on Yes/No/Cancel.
// The icon says what kind of message it is: a question for Yes/No and Yes/No/Cancel, a warning
// for a message with only OK (a refusal or a failure).
Answer ShowMessageBox(QWidget* parent, const QString& title, const std::string& text, Buttons buttons);
// A message with only OK that tells of work done, with the information icon.
void ShowInformationBox(QWidget* parent, const QString& title, const std::string& text);

}  // namespace zelvo::qt
