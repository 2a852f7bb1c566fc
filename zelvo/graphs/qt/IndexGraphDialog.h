#pragma once
// The index graph window of alternatives and of time period profiles.

#include <QDialog>
#include <vector>

#include "zelvo/graphs/IndexGraphWindow.h"
#include "zelvo/graphs/qt/GraphUi.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace zelvo::qt {

class CChart2D;

class IndexGraphDialog : public QDialog {
  Q_OBJECT
 public:
  IndexGraphDialog(AppState& app, IndexWindowKind kind, Ui& ui, QWidget* parent = nullptr);

  IndexGraphWindow& Window() { return window_; }
  CChart2D* Chart() const { return chart_; }
  void SelectEntries(const std::vector<int>& positions);
  void ShowControls();
  void Redraw();

 private:
  void ReadControls();

  IndexGraphWindow window_;
  GraphUi ui_;
  bool loading_ = false;
  QListWidget* list_ = nullptr;
  QButtonGroup* type_ = nullptr;
  QCheckBox* normalize_ = nullptr;
  QCheckBox* grid_ = nullptr;
  QButtonGroup* selectionMode_ = nullptr;
  QWidget* manualPanel_ = nullptr;
  QListWidget* indexList_ = nullptr;
  QButtonGroup* monthly_ = nullptr;
  QPushButton* setBaseline_ = nullptr;
  CChart2D* chart_ = nullptr;
};

}  // namespace zelvo::qt
