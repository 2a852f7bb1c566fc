#pragma once
// The flow graph window of data sets, time periods and alternatives: the controls on the left,
// the chart on the right, under it the note of zero flows a log scale leaves out and the zoom
// hint. Every change of a control draws again.

#include <QDialog>
#include <memory>
#include <vector>

#include "zelvo/graphs/FlowGraphWindow.h"
#include "zelvo/graphs/qt/GraphUi.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QStackedWidget;

namespace zelvo::qt {

class CChart2D;

class FlowGraphDialog : public QDialog {
  Q_OBJECT
 public:
  FlowGraphDialog(const AppState& app, FlowWindowKind kind, Ui& ui, QWidget* parent = nullptr);

  FlowGraphWindow& Window() { return window_; }
  CChart2D* Chart() const { return chart_; }
  QLabel* Note() const { return note_; }
  // Moves the settings into the controls (for tests and when the window opens) and draws.
  void ShowSettings();
  void SelectEntries(const std::vector<int>& positions);
  void Redraw();

 private:
  void ReadControls();
  void ListChanged();
  void ShowStatistics();

  FlowGraphWindow window_;
  GraphUi ui_;
  bool loading_ = false;
  QListWidget* list_ = nullptr;
  QButtonGroup* basis_ = nullptr;
  QButtonGroup* annual_ = nullptr;
  QButtonGroup* monthly_ = nullptr;
  QStackedWidget* seriesStack_ = nullptr;
  QComboBox* month_ = nullptr;
  QButtonGroup* type_ = nullptr;
  QButtonGroup* scale_ = nullptr;
  QCheckBox* grid_ = nullptr;
  QCheckBox* lineStyle_ = nullptr;
  QCheckBox* plotPoints_ = nullptr;
  QCheckBox* exceedence_ = nullptr;
  QCheckBox* trend_ = nullptr;
  QCheckBox* threshold_ = nullptr;
  QCheckBox* errorBars_ = nullptr;
  CChart2D* chart_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace zelvo::qt
