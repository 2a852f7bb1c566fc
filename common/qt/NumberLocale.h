#pragma once
// QApplication takes the desktop's locale for the whole C library (setlocale(LC_ALL, "")); under a
// decimal-comma locale printf, strtod and Qt's default number formats would then write and read
// "19,200". Both programs call UseClassicNumbers right after making their QApplication, so every
// number in a file, a report, a caption or a chart axis has a decimal point.

namespace zelvo::qt {

void UseClassicNumbers();

}  // namespace zelvo::qt
