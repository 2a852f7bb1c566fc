#pragma once
// Message boxes with the program's exact texts and buttons.

#include <QString>
#include <string>

#include "common/ui/Ui.h"

class QWidget;

namespace zelvo::qt {

// Shows `text` as plain text (line breaks and doubled blanks kept) with the buttons asked for;
// returns the button pressed. Escape answers No on Yes/No and Cancel on Yes/No/Cancel.
Answer ShowMessageBox(QWidget* parent, const QString& title, const std::string& text, Buttons buttons);

}  // namespace zelvo::qt
