#pragma once
// The Qt face of the two selection dialogs and of their HI selection group. The group's widgets
// follow a core HiSelectionGroup: every user action is handed to it and the widgets show what
// it then holds.

#include <QGroupBox>

#include "zelvo/session/SelectionDialogs.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zelvo::qt {

class HiSelectionBox : public QGroupBox {
  Q_OBJECT
 public:
  HiSelectionBox(HiSelectionGroup& group, QWidget* parent);
  // Shows the group's state: radios, selection, the visibility of the manual controls.
  void Sync();

  QRadioButton* UseDefaultsRadio() const { return useDefaults_; }
  QRadioButton* ManualRadio() const { return manual_; }
  QListWidget* IndexList() const { return list_; }
  QRadioButton* MonthlyRadio(int group) const;
  QPushButton* ClearButton() const { return clear_; }

 private:
  HiSelectionGroup& group_;
  QRadioButton* useDefaults_;
  QRadioButton* manual_;
  QLabel* listLabel_;
  QListWidget* list_;
  QGroupBox* monthly_;
  QButtonGroup* monthlyRadios_;
  QPushButton* clear_;
  bool syncing_ = false;
};

}  // namespace zelvo::qt
