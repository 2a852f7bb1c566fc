#pragma once
// The chart adapter: draws a ChartDescription with QCustomPlot. It decides nothing about the
// graphs; it turns holes into gaps, patterns and colours into pens, and gives back the Y extents
// it used. Shift and drag zooms into a rectangle, R returns to the drawn extents.

#include <QHash>
#include <QString>
#include <QWidget>

#include "zelvo/graphs/BmpWriter.h"
#include "zelvo/graphs/ChartDescription.h"

class QCustomPlot;
class QCPAbstractPlottable;
class QPrinter;

namespace zelvo::qt {

class CChart2D : public QWidget {
  Q_OBJECT
 public:
  explicit CChart2D(QWidget* parent = nullptr);

  // Replaces everything drawn by `chart`.
  void Render(const ChartDescription& chart);
  // Draws nothing (a graph that could not be drawn).
  void ClearChart();

  // The Y extents used by the last drawing.
  double GetYMinimum() const;
  double GetYMaximum() const;

  // Back to the extents of the last drawing (key R).
  void ResetZoom();

  // The chart area's pixels as shown.
  RgbImage Grab() const;
  // Print through the print dialog; PrintTo draws on a printer that is set up already.
  void Print();
  void PrintTo(QPrinter& printer) const;

  QCustomPlot* Plot() const { return plot_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void RemoveAll();
  // Lays the legend's entries out in columns that fit the chart's width, eliding titles only
  // when the legend would otherwise take more than a quarter of the height.
  void FitLegend();
  QCustomPlot* plot_;
  QHash<QCPAbstractPlottable*, QString> fullNames_;  // legend titles as drawn before eliding
  double xMin_ = 0.0, xMax_ = 1.0, yMin_ = 0.0, yMax_ = 1.0;
};

// "Arial,10,bold" -> the font.
QFont FontFromDescription(const std::string& description, const QFont& fallback);

}  // namespace zelvo::qt
