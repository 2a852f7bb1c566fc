#include "zelvo/graphs/qt/CChart2D.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

#include "qcustomplot.h"

namespace zelvo::qt {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

QColor ToQColor(const Rgb& c) { return QColor(c.red & 0xff, c.green & 0xff, c.blue & 0xff); }

Qt::PenStyle PenStyleOf(int pattern) {
  switch (pattern) {
    case kPatternDash:
      return Qt::DashLine;
    case kPatternDot:
      return Qt::DotLine;
    case kPatternDashDot:
      return Qt::DashDotLine;
    case kPatternDashDotDot:
      return Qt::DashDotDotLine;
    case kPatternLongDash:
      return Qt::CustomDashLine;
    default:
      return Qt::SolidLine;
  }
}

QPen PenOf(const CurveStyle& s) {
  QPen pen(ToQColor(s.lineColour));
  pen.setWidthF(s.lineWidth);
  pen.setStyle(PenStyleOf(s.pattern));
  if (s.pattern == kPatternLongDash) pen.setDashPattern({7.0, 3.0});
  return pen;
}

// The chart's own marker for curve n.
QCPScatterStyle::ScatterShape DefaultShape(int curve) {
  static const QCPScatterStyle::ScatterShape shapes[] = {
      QCPScatterStyle::ssDisc,       QCPScatterStyle::ssSquare, QCPScatterStyle::ssTriangle,
      QCPScatterStyle::ssDiamond,    QCPScatterStyle::ssCross,  QCPScatterStyle::ssPlus,
      QCPScatterStyle::ssCircle,     QCPScatterStyle::ssStar,   QCPScatterStyle::ssTriangleInverted,
      QCPScatterStyle::ssCrossSquare};
  return shapes[curve % 10];
}

QCPScatterStyle ScatterOf(const CurveStyle& s, int curve) {
  if (s.pointStyle == kPointNone) return QCPScatterStyle(QCPScatterStyle::ssNone);
  const QColor c = ToQColor(s.pointColour);
  return QCPScatterStyle(DefaultShape(curve), c, c, s.pointSize);
}

double Shown(double y, double hole, bool logY) {
  if (y == hole || std::isnan(y)) return kNaN;
  if (logY && y <= 0.0) return kNaN;  // no place on a logarithmic axis
  return y;
}

// Smallest distance between neighbouring X values: the room a bar has.
double Spacing(const std::vector<double>& x) {
  double best = 0.0;
  for (std::size_t i = 1; i < x.size(); ++i) {
    const double d = std::fabs(x[i] - x[i - 1]);
    if (d > 0.0 && (best == 0.0 || d < best)) best = d;
  }
  return best > 0.0 ? best : 1.0;
}

struct DataRange {
  bool any = false;
  double lo = 0.0, hi = 0.0;
  void Add(double y) {
    if (std::isnan(y)) return;
    if (!any || y < lo) lo = y;
    if (!any || y > hi) hi = y;
    any = true;
  }
};

// The chart's own choice of Y extents: round numbers around the data, from 0 for flows on a
// linear axis.
QCPRange AutomaticRange(const DataRange& r, bool logY) {
  if (!r.any) return logY ? QCPRange(1.0, 10.0) : QCPRange(0.0, 1.0);
  if (logY) {
    const double lo = std::pow(10.0, std::floor(std::log10(r.lo)));
    const double hi = std::pow(10.0, std::ceil(std::log10(r.hi)));
    return QCPRange(lo, hi > lo ? hi : lo * 10.0);
  }
  double lo = std::min(0.0, r.lo);
  double hi = std::max(0.0, r.hi);
  if (hi == lo) hi = lo + 1.0;
  const double span = hi - lo;
  const double step = std::pow(10.0, std::floor(std::log10(span))) / 2.0;
  hi = std::ceil(hi / step) * step;
  if (lo < 0.0) lo = std::floor(lo / step) * step;
  return QCPRange(lo, hi);
}

void AddLegendless(QCPAbstractPlottable* p) { p->removeFromLegend(); }

// Text labels at given positions that never write over one another: where the axis is too short
// for all of them, a label that would touch the one before it is left out (its tick stays), so
// a long record reads 1851, 1861, ... rather than a smear of digits.
class SpacedTextTicker : public QCPAxisTickerText {
 public:
  explicit SpacedTextTicker(QCPAxis* axis) : axis_(axis) {}

  void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                QVector<double>& ticks, QVector<double>* subTicks, QVector<QString>* tickLabels) override {
    QCPAxisTickerText::generate(range, locale, formatChar, precision, ticks, subTicks, tickLabels);
    if (tickLabels == nullptr || range.size() <= 0.0) return;
    // Before the first layout the axis rect has no width yet; the plot's width is near it.
    int pixels = axis_->axisRect()->width();
    if (pixels < 50) pixels = axis_->parentPlot()->width() - 100;
    if (pixels <= 0) return;
    const QFontMetrics metrics(axis_->tickLabelFont());
    const double perUnit = pixels / range.size();
    const int gap = metrics.averageCharWidth();
    double lastRight = -1e300;
    for (int i = 0; i < ticks.size() && i < tickLabels->size(); ++i) {
      QString& label = (*tickLabels)[i];
      if (label.isEmpty()) continue;
      const double centre = (ticks[i] - range.lower) * perUnit;
      // Upright labels take the height of a line across the axis, whatever their length.
      const double half =
          (axis_->tickLabelRotation() != 0.0 ? metrics.height() : metrics.horizontalAdvance(label)) / 2.0;
      if (centre - half < lastRight + gap) {
        label.clear();
        continue;
      }
      lastRight = centre + half;
    }
  }

 private:
  QCPAxis* axis_;
};

}  // namespace

QFont FontFromDescription(const std::string& description, const QFont& fallback) {
  const QStringList parts = QString::fromStdString(description).split(',');
  if (parts.size() < 2) return fallback;
  QFont font(parts[0] == "Times" ? QStringLiteral("Times New Roman") : parts[0]);
  font.setPointSize(parts[1].toInt() > 0 ? parts[1].toInt() : fallback.pointSize());
  font.setBold(parts.size() > 2 && parts[2].trimmed() == "bold");
  return font;
}

CChart2D::CChart2D(QWidget* parent) : QWidget(parent), plot_(new QCustomPlot(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(plot_);
  plot_->setFocusPolicy(Qt::StrongFocus);
  plot_->installEventFilter(this);
  plot_->setNoAntialiasingOnDrag(true);
  plot_->setPlottingHint(QCP::phFastPolylines, true);
  plot_->setBackground(Qt::white);
  plot_->legend->setVisible(false);
  // The legend stands centred below the axes, so that it never hides a curve and takes no width
  // from them; FitLegend lays its entries out in as many columns as the width holds.
  auto* below = new QCPLayoutGrid;
  plot_->plotLayout()->addElement(1, 0, below);
  plot_->plotLayout()->setRowStretchFactor(1, 0.001);
  below->addElement(0, 0, new QCPLayoutElement(plot_));
  below->addElement(0, 1, plot_->legend);
  below->addElement(0, 2, new QCPLayoutElement(plot_));
  below->setColumnStretchFactors({1.0, 0.001, 1.0});
  // The legend's frame is drawn on its outer edge: a few pixels below it keep it on the widget.
  below->setMargins(QMargins(0, 0, 0, 3));
  below->setColumnSpacing(0);
  plot_->legend->setBorderPen(QPen(Qt::gray));
  plot_->legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
  plot_->axisRect()->setRangeZoomAxes(plot_->xAxis, plot_->yAxis);
}

bool CChart2D::eventFilter(QObject* watched, QEvent* event) {
  if (watched == plot_) {
    if (event->type() == QEvent::MouseButtonPress) {
      auto* m = static_cast<QMouseEvent*>(event);
      plot_->setSelectionRectMode(m->modifiers() & Qt::ShiftModifier ? QCP::srmZoom : QCP::srmNone);
      plot_->setFocus();
    } else if (event->type() == QEvent::KeyPress) {
      auto* k = static_cast<QKeyEvent*>(event);
      if (k->key() == Qt::Key_R) {
        ResetZoom();
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void CChart2D::ClearChart() {
  RemoveAll();
  plot_->replot();
}

void CChart2D::RemoveAll() {
  plot_->clearPlottables();
  plot_->clearItems();
  plot_->legend->setVisible(false);
  fullNames_.clear();
  // Header rows above the axis rect.
  while (plot_->plotLayout()->element(0, 0) != plot_->axisRect()) {
    plot_->plotLayout()->removeAt(plot_->plotLayout()->rowColToIndex(0, 0));
    plot_->plotLayout()->simplify();
  }
}

void CChart2D::FitLegend() {
  QCPLegend* legend = plot_->legend;
  // The legend is a grid: once wrapped, some of its cells are empty.
  std::vector<QCPAbstractLegendItem*> items;
  std::vector<QCPAbstractPlottable*> plottables;
  for (int i = 0; i < legend->itemCount(); ++i) {
    QCPAbstractLegendItem* item = legend->item(i);
    if (item == nullptr) continue;
    auto* entry = qobject_cast<QCPPlottableLegendItem*>(item);
    QCPAbstractPlottable* plottable = entry ? entry->plottable() : nullptr;
    items.push_back(item);
    plottables.push_back(plottable);
    // Full titles back before measuring: a wider window may show what a narrower one elided.
    if (plottable != nullptr && fullNames_.contains(plottable))
      plottable->setName(fullNames_.value(plottable));
  }
  const int count = static_cast<int>(items.size());
  if (count == 0) return;
  const QFontMetrics metrics(legend->font());
  int widest = 0, overhead = 0, rowHeight = 0;
  for (int i = 0; i < count; ++i) {
    const QSize hint = items[i]->minimumOuterSizeHint();
    const int text = plottables[i] ? metrics.horizontalAdvance(plottables[i]->name()) : 0;
    widest = std::max(widest, hint.width());
    overhead = std::max(overhead, hint.width() - text);
    rowHeight = std::max(rowHeight, hint.height() + legend->rowSpacing());
  }
  const QMargins outer = legend->margins();
  const int spacing = legend->columnSpacing();
  // Room inside the legend's frame, with a few pixels so its border stays on the widget.
  const int room = std::max(1, plot_->width() - outer.left() - outer.right() - 4);
  auto textRoom = [&](int columns) { return (room - (columns - 1) * spacing) / columns - overhead; };
  auto rows = [count](int columns) { return (count + columns - 1) / columns; };
  int columns = std::clamp((room + spacing) / (widest + spacing), 1, count);
  // Many long titles: more, narrower columns (titles elided) rather than a legend that takes
  // more than a quarter of the height.
  const int minimumText = 10 * metrics.averageCharWidth();
  while (columns < count && rows(columns) * rowHeight > plot_->height() / 4 &&
         textRoom(columns + 1) >= minimumText)
    ++columns;
  const int fits = std::max(minimumText, textRoom(columns));
  for (QCPAbstractPlottable* plottable : plottables)
    if (plottable != nullptr && metrics.horizontalAdvance(plottable->name()) > fits)
      plottable->setName(metrics.elidedText(plottable->name(), Qt::ElideRight, fits));
  legend->setWrap(columns);
  legend->setFillOrder(QCPLayoutGrid::foColumnsFirst, true);
}

void CChart2D::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitLegend();
  plot_->replot(QCustomPlot::rpQueuedReplot);
}

void CChart2D::Render(const ChartDescription& c) {
  RemoveAll();
  QCustomPlot& p = *plot_;
  const QFont baseFont = font();
  const QFont axisFont = FontFromDescription(c.axisFont, baseFont);
  // The legend takes its size and weight from its description and the family of the axes, so
  // the chart reads as one piece.
  QFont legendFont = FontFromDescription(c.legendFont, baseFont);
  legendFont.setFamily(axisFont.family());

  // Header lines, each its own row above the axes.
  int row = 0;
  const QFont headerFont = FontFromDescription(c.headerFont, baseFont);
  for (const std::string& line : c.header) {
    p.plotLayout()->insertRow(row);
    auto* text = new QCPTextElement(&p, QString::fromStdString(line), headerFont);
    p.plotLayout()->addElement(row, 0, text);
    ++row;
  }

  // Axes.
  p.xAxis->setLabel(QString::fromStdString(c.xTitle));
  p.yAxis->setLabel(QString::fromStdString(c.yTitle));
  QFont titleFont = axisFont;
  titleFont.setBold(true);
  p.xAxis->setLabelFont(titleFont);
  p.yAxis->setLabelFont(titleFont);
  p.xAxis->setTickLabelFont(axisFont);
  p.yAxis->setTickLabelFont(axisFont);
  p.xAxis->setTickLabelRotation(c.valueLabels ? c.xLabelRotation : 0.0);
  if (c.valueLabels) {
    QSharedPointer<QCPAxisTickerText> ticker(new SpacedTextTicker(p.xAxis));
    for (const ChartLabel& l : c.xLabels) ticker->addTick(l.x, QString::fromStdString(l.text));
    p.xAxis->setTicker(ticker);
    p.xAxis->setSubTicks(false);
  } else {
    p.xAxis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
    p.xAxis->setSubTicks(true);
  }
  if (c.logY) {
    p.yAxis->setScaleType(QCPAxis::stLogarithmic);
    QSharedPointer<QCPAxisTickerLog> ticker(new QCPAxisTickerLog);
    p.yAxis->setTicker(ticker);
    p.yAxis->setNumberFormat("gb");
  } else {
    p.yAxis->setScaleType(QCPAxis::stLinear);
    p.yAxis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
    p.yAxis->setNumberFormat("g");
  }
  p.xAxis->grid()->setVisible(c.grid);
  p.yAxis->grid()->setVisible(c.grid);
  p.xAxis->grid()->setSubGridVisible(false);
  p.yAxis->grid()->setSubGridVisible(false);

  DataRange range;
  auto draw = [&](const ChartData& data) {
    const int curves = data.CurveCount();
    QCPBarsGroup* group = nullptr;
    if (data.type == ChartType::Bar && curves > 1 && !data.barsOverlap) {
      group = new QCPBarsGroup(&p);
      group->setSpacingType(QCPBarsGroup::stAbsolute);
      group->setSpacing(0);
    }
    for (int n = 0; n < curves; ++n) {
      const CurveStyle style =
          n < static_cast<int>(data.curveStyles.size()) ? data.curveStyles[n] : CurveStyle{};
      const QString label = n < static_cast<int>(data.curveLabels.size())
                                ? QString::fromStdString(data.curveLabels[n])
                                : QString();
      const ChartSet& first = data.sets[static_cast<std::size_t>(n * data.setsPerCurve)];
      const std::size_t count = first.x.size();
      QCPAbstractPlottable* legendItem = nullptr;
      switch (data.type) {
        case ChartType::Line:
        case ChartType::Plot: {
          QVector<double> keys(static_cast<int>(count)), values(static_cast<int>(count));
          for (std::size_t i = 0; i < count; ++i) {
            keys[static_cast<int>(i)] = first.x[i];
            values[static_cast<int>(i)] = Shown(i < first.y.size() ? first.y[i] : kNaN, c.holeValue, c.logY);
            range.Add(values[static_cast<int>(i)]);
          }
          auto* g = p.addGraph();
          g->setData(keys, values, true);
          g->setPen(PenOf(style));
          g->setAdaptiveSampling(true);
          if (data.type == ChartType::Plot) {
            g->setLineStyle(QCPGraph::lsNone);
            QCPScatterStyle s = ScatterOf(style, n);
            if (s.isNone())
              s = QCPScatterStyle(QCPScatterStyle::ssDisc, ToQColor(style.pointColour),
                                  ToQColor(style.pointColour), style.pointSize);
            g->setScatterStyle(s);
          } else {
            g->setScatterStyle(ScatterOf(style, n));
          }
          legendItem = g;
          break;
        }
        case ChartType::Bar: {
          auto* bars = new QCPBars(p.xAxis, p.yAxis);
          const double room = Spacing(first.x) * 0.8;
          bars->setWidth(group ? room / curves : room);
          if (group) bars->setBarsGroup(group);
          QVector<double> keys, values;
          for (std::size_t i = 0; i < count; ++i) {
            const double y = Shown(i < first.y.size() ? first.y[i] : kNaN, c.holeValue, c.logY);
            if (std::isnan(y)) continue;
            keys << first.x[i];
            values << y;
            range.Add(y);
          }
          bars->setData(keys, values, true);
          bars->setPen(QPen(ToQColor(style.lineColour).darker(130)));
          bars->setBrush(ToQColor(style.lineColour));
          if (c.logY) bars->setBaseValue(1e-9);
          legendItem = bars;
          break;
        }
        case ChartType::ErrorBars: {
          const ChartSet& high = data.sets[static_cast<std::size_t>(n * 2 + 1)];
          QVector<double> keys, centre, errors;
          for (std::size_t i = 0; i < count && i < high.y.size(); ++i) {
            const double lo = Shown(first.y[i], c.holeValue, false);
            const double hi = Shown(high.y[i], c.holeValue, false);
            if (std::isnan(lo) || std::isnan(hi)) continue;
            keys << first.x[i];
            centre << (lo + hi) / 2.0;
            errors << (hi - lo) / 2.0;
            range.Add(lo);
            range.Add(hi);
          }
          auto* anchor = p.addGraph();
          anchor->setData(keys, centre, true);
          anchor->setLineStyle(QCPGraph::lsNone);
          anchor->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
          AddLegendless(anchor);
          auto* bars = new QCPErrorBars(p.xAxis, p.yAxis);
          bars->setDataPlottable(anchor);
          bars->setData(errors);
          QPen pen(ToQColor(style.lineColour));
          pen.setWidthF(style.lineWidth);
          bars->setPen(pen);
          bars->setWhiskerWidth(style.pointSize + 2);
          legendItem = bars;
          break;
        }
        case ChartType::HighLowRange: {
          const ChartSet& low = data.sets[static_cast<std::size_t>(n * 4 + 1)];
          auto* financial = new QCPFinancial(p.xAxis, p.yAxis);
          financial->setChartStyle(QCPFinancial::csCandlestick);
          financial->setTwoColored(false);
          financial->setWidth(0.15);
          QVector<double> keys, opens, highs, lows, closes;
          for (std::size_t i = 0; i < count && i < low.y.size(); ++i) {
            const double hi = Shown(first.y[i], c.holeValue, c.logY);
            const double lo = Shown(low.y[i], c.holeValue, c.logY);
            if (std::isnan(hi) || std::isnan(lo)) continue;
            keys << first.x[i];
            highs << hi;
            lows << lo;
            opens << hi;
            closes << lo;
            range.Add(hi);
            range.Add(lo);
          }
          financial->setData(keys, opens, highs, lows, closes, true);
          financial->setBrush(ToQColor(style.lineColour));
          financial->setPen(QPen(ToQColor(style.lineColour).darker(140)));
          legendItem = financial;
          break;
        }
      }
      if (legendItem != nullptr) {
        legendItem->setName(label);
        fullNames_.insert(legendItem, label);
        if (!data.inLegend || label.isEmpty()) legendItem->removeFromLegend();
      }
    }
  };
  draw(c.main);
  if (c.second) draw(*c.second);
  // Long daily records are drawn without antialiasing: thousands of segments per pixel column
  // gain nothing from it and it costs most of the drawing time.
  std::size_t points = 0;
  for (const ChartSet& set : c.main.sets) points += set.x.size();
  if (points > 100000)
    p.setNotAntialiasedElements(QCP::aePlottables);
  else
    p.setNotAntialiasedElements(QCP::aeNone);

  p.legend->setFont(legendFont);
  p.legend->setVisible(p.legend->itemCount() > 0);
  FitLegend();

  xMin_ = c.xMin;
  xMax_ = c.xMax > c.xMin ? c.xMax : c.xMin + 1.0;
  // Bars are drawn whole: the axis reaches half a bar spacing past the first and last bar.
  if (c.main.type == ChartType::Bar) {
    for (const ChartSet& set : c.main.sets) {
      if (set.x.empty()) continue;
      const double half = Spacing(set.x) / 2.0;
      xMin_ = std::min(xMin_, set.x.front() - half);
      xMax_ = std::max(xMax_, set.x.back() + half);
    }
  }
  if (c.yAutomatic || c.yMax <= c.yMin || (c.logY && c.yMin <= 0.0)) {
    const QCPRange r = AutomaticRange(range, c.logY);
    yMin_ = r.lower;
    yMax_ = r.upper;
  } else {
    yMin_ = c.yMin;
    yMax_ = c.yMax;
  }
  ResetZoom();
}

void CChart2D::ResetZoom() {
  plot_->xAxis->setRange(xMin_, xMax_);
  plot_->yAxis->setRange(yMin_, yMax_);
  plot_->replot();
}

double CChart2D::GetYMinimum() const { return yMin_; }
double CChart2D::GetYMaximum() const { return yMax_; }

RgbImage CChart2D::Grab() const {
  const QImage image =
      plot_->toPixmap(plot_->width(), plot_->height()).toImage().convertToFormat(QImage::Format_RGB888);
  RgbImage out;
  out.width = image.width();
  out.height = image.height();
  out.rgb.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height) * 3);
  for (int y = 0; y < out.height; ++y) {
    const uchar* line = image.constScanLine(y);
    std::copy(line, line + out.width * 3, out.rgb.data() + static_cast<std::size_t>(y) * out.width * 3);
  }
  return out;
}

void CChart2D::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintTo(printer);
}

void CChart2D::PrintTo(QPrinter& printer) const {
  QCPPainter painter(&printer);
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  // Draw at screen size and scale onto the page, so fonts keep their proportions.
  const int w = plot_->width() > 0 ? plot_->width() : 800;
  const int h = plot_->height() > 0 ? plot_->height() : 500;
  const double scale = std::min(page.width() / w, page.height() / h);
  painter.scale(scale, scale);
  plot_->toPainter(&painter, w, h);
}

}  // namespace zelvo::qt
