#pragma once
// The main window of the classification program, "Tarvel - Version 1.0": file type radios,
// file name with Browse, beginning and ending water year, status line, progress bar, and the
// OK, Exit, About and Help buttons. OK hands the fields to the driver; closing the window ends
// the program.

#include <QDialog>

#include "tarvel/TarvelDriver.h"
#include "tarvel/qt/TarvelUi.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace zelvo::tarvel {

class TarvelWindow : public QDialog, public TarvelView {
  Q_OBJECT
 public:
  TarvelWindow(StationImporter importer, QWidget* parent = nullptr);

  // TarvelView
  void ShowFields(const TarvelFields& fields) override;
  void ShowProgressBar(bool visible) override;

  TarvelState& State() { return state_; }
  TarvelUi& WindowUi() { return ui_; }

 public slots:
  void Ok();
  void Browse();
  void About();
  void Help();

 private:
  void SetFileType(int fileType);
  void ReadFields();

  TarvelState state_;
  TarvelUi ui_;
  StationImporter importer_;
  QRadioButton* dailyRadio_;
  QRadioButton* csvRadio_;
  QLabel* fileLabel_;
  QLineEdit* fileName_;
  QLineEdit* beginYear_;
  QLineEdit* endYear_;
  QLabel* status_;
  QProgressBar* progress_;
};

}  // namespace zelvo::tarvel
