#include "common/qt/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace zelvo::qt {

namespace {

Answer Show(QWidget* parent, const QString& title, const std::string& text, Buttons buttons,
            bool information) {
  QMessageBox box(parent);
  box.setWindowTitle(title);
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(text));
  switch (buttons) {
    case Buttons::Ok:
      box.setIcon(information ? QMessageBox::Information : QMessageBox::Warning);
      box.setStandardButtons(QMessageBox::Ok);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
    case Buttons::YesNo:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::No);
      break;
    case Buttons::YesNoCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  }
}

}  // namespace

Answer ShowMessageBox(QWidget* parent, const QString& title, const std::string& text, Buttons buttons) {
  return Show(parent, title, text, buttons, false);
}

void ShowInformationBox(QWidget* parent, const QString& title, const std::string& text) {
  Show(parent, title, text, Buttons::Ok, true);
}

}  // namespace zelvo::qt
