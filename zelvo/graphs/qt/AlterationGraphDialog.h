#pragma once
// The "Alteration Graph" window: the middle category's hydrologic alteration per quantity of one
// altered period or alternative at a time, with Export, Capture, Print and zoom.

#include <QDialog>

#include "zelvo/graphs/AlterationGraph.h"
#include "zelvo/graphs/qt/GraphUi.h"

class QCheckBox;
class QListWidget;

namespace zelvo::qt {

class CChart2D;

class AlterationGraphDialog : public QDialog {
  Q_OBJECT
 public:
  AlterationGraphDialog(AlterationGraphInput input, Ui& ui, QWidget* parent = nullptr);

  CChart2D* Chart() const { return chart_; }
  QListWidget* List() const { return list_; }
  void Redraw();

 private:
  int Block() const;

  AlterationGraphInput input_;
  GraphUi ui_;
  QListWidget* list_ = nullptr;
  QCheckBox* grid_ = nullptr;
  CChart2D* chart_ = nullptr;
};

// Opens the window modally, sized like the other graph windows.
void OpenAlterationGraph(AlterationGraphInput input, Ui& ui, QWidget* parent = nullptr);

}  // namespace zelvo::qt
