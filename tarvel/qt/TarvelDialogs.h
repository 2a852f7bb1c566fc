#pragma once
// The result window "Classification  Scores" and the batch dialog "Batch file for TARVEL":
// they move values between their widgets and their forms.

#include <QDialog>

#include "tarvel/TarvelDriver.h"

class QLabel;
class QLineEdit;

namespace zelvo::tarvel {

class ResultDialog : public QDialog {
  Q_OBJECT
 public:
  ResultDialog(const ClassificationScoresForm& form, QWidget* parent);

 private:
  QLabel* text_;
};

class BatchDialog : public QDialog {
  Q_OBJECT
 public:
  BatchDialog(BatchFileForm& form, Ui& ui, QWidget* parent);
  void accept() override;

 private:
  void Browse(QLineEdit* field);
  BatchFileForm& form_;
  Ui& ui_;
  QLineEdit* batchFile_;
  QLineEdit* outputFile_;
};

}  // namespace zelvo::tarvel
