#include "zelvo/graphs/IndexGraph.h"

#include <algorithm>
#include <cmath>

#include "common/engine/IndexCatalogue.h"
#include "common/engine/TextFormat.h"

namespace zelvo {
namespace {

constexpr const char* kCrLf = "\r\n";

}  // namespace

std::optional<std::string> CheckIndexGraphLimits(const IndexGraphInput& input) {
  if (input.kind != IndexGraphKind::Alternatives || input.curves.empty() || !input.curves[0].table)
    return std::nullopt;
  const HiTable& base = *input.curves[0].table;
  for (std::size_t j = 1; j < input.curves.size(); ++j) {
    const std::optional<HiTable>& t = input.curves[j].table;
    if (!t) continue;
    if (t->lowerPercentile != base.lowerPercentile || t->upperPercentile != base.upperPercentile)
      return Format(
          "The limits for alternative (%s) do not match the baseline.\n\nComparison can not be made.",
          input.curves[j].title.c_str());
  }
  return std::nullopt;
}

double RangeBarX(int curve, int k) { return k - 0.4 + 0.2 * curve; }

double RangeLabelX(int curveCount, int k) {
  const double d = curveCount <= 2 ? 0.4 : curveCount <= 4 ? 0.2 : 0.0;
  return k - d;
}

IndexGraph BuildIndexGraph(const IndexGraphInput& input) {
  IndexGraph g;
  g.type = input.type;
  g.indices = input.indices;
  const bool range = input.type == IndexGraphType::Range;
  const int curveCount = static_cast<int>(input.curves.size());
  const int K = static_cast<int>(input.indices.size());

  // Values as read, then normalised by the base curve.
  std::vector<float> baseValue(static_cast<std::size_t>(K), 0.0f);
  const bool haveBase =
      input.base >= 0 && input.base < curveCount && input.curves[input.base].table.has_value();
  for (int k = 0; k < K; ++k)
    if (haveBase) baseValue[k] = input.curves[input.base].table->value[input.indices[k]];

  for (const IndexCurveInput& c : input.curves) {
    g.titles.push_back(c.title);
    const std::vector<float> holes(static_cast<std::size_t>(K), kGraphHole);
    std::vector<float> lo = holes, va = holes, up = holes;
    if (c.table) {
      for (int k = 0; k < K; ++k) {
        const int n = input.indices[k];
        if (n < 0 || n >= kIndexCount) continue;
        float l = c.table->lower[n], v = c.table->value[n], u = c.table->upper[n];
        // A value that was not computed is a hole, as a missing flow is in the flow graphs.
        if (v == kMissing) continue;
        if (input.normalize) {
          const float b = baseValue[k];
          if (b == 0.0f || b == kMissing) continue;  // no point for any curve
          l /= b;
          v /= b;
          u /= b;
          // Dividing by a negative base turns the limits around; keep the lower end below.
          if (b < 0.0f) std::swap(l, u);
        }
        lo[k] = l;
        va[k] = v;
        up[k] = u;
      }
    }
    g.lower.push_back(std::move(lo));
    g.value.push_back(std::move(va));
    g.upper.push_back(std::move(up));
  }

  // Header lines.
  g.header.assign(3, std::string());
  if (input.kind == IndexGraphKind::Alternatives) {
    g.header[0] =
        range ? "Alternative Hydrologic Index Range Comparisons" : "Alternative Hydrologic Index Comparisons";
  } else {
    g.header[0] = input.profileTitle;
    g.header[1] = range ? "Hydrologic Index Range Comparisons" : "Hydrologic Index Comparisons";
  }
  if (range) {
    for (const IndexCurveInput& c : input.curves) {
      if (!c.table) continue;
      g.header[2] =
          Format("Lower Bound = %dth percentile     Upper Bound = %dth percentile",
                 static_cast<int>(c.table->lowerPercentile), static_cast<int>(c.table->upperPercentile));
      break;
    }
  }

  ChartDescription& chart = g.chart;
  // On the chart a header line without text leaves no gap; the export keeps all three.
  for (const std::string& line : g.header)
    if (!line.empty()) chart.header.push_back(line);
  chart.yTitle = input.normalize ? "Normalized Hydrologic Index Value" : "Hydrologic Index Value";
  chart.valueLabels = true;
  chart.grid = input.grid;
  chart.axisFont = "Arial,8,bold";
  chart.xMin = 0.0;
  chart.xMax = K + 0.5;

  std::vector<std::string> legend = g.titles;
  if (input.normalize && input.base >= 0 && input.base < curveCount) legend[input.base] += " - base";
  std::vector<CurveStyle> styles = PreferenceCurveStyles(input.preferences, curveCount, false, false);

  if (!range) {
    chart.main.type = ChartType::Bar;
    for (int j = 0; j < curveCount; ++j) {
      ChartSet set;
      for (int k = 1; k <= K; ++k) {
        set.x.push_back(k);
        set.y.push_back(g.value[j][k - 1]);
      }
      chart.main.sets.push_back(std::move(set));
    }
    chart.main.curveLabels = legend;
    chart.main.curveStyles = styles;
    for (int k = 1; k <= K; ++k)
      chart.xLabels.push_back({static_cast<double>(k), std::string(IndexName(input.indices[k - 1]))});
    return g;
  }

  chart.main.type = ChartType::HighLowRange;
  chart.main.setsPerCurve = 4;
  ChartData points;
  points.type = ChartType::Plot;
  points.inLegend = false;
  ChartSet allValues;
  bool any = false;
  double top = 0.0, bottom = 0.0;
  for (int j = 0; j < curveCount; ++j) {
    ChartSet high, low;
    for (int k = 1; k <= K; ++k) {
      const double x = RangeBarX(j, k);
      const float l = g.lower[j][k - 1], v = g.value[j][k - 1], u = g.upper[j][k - 1];
      high.x.push_back(x);
      high.y.push_back(u);
      low.x.push_back(x);
      low.y.push_back(l);
      allValues.x.push_back(x);
      allValues.y.push_back(v);
      for (float f : {l, v, u}) {
        if (f == kGraphHole) continue;
        if (!any || f > top) top = f;
        if (!any || f < bottom) bottom = f;
        any = true;
      }
    }
    // High, low, open, close: the bar runs from the lower to the upper limit.
    chart.main.sets.push_back(high);
    chart.main.sets.push_back(low);
    chart.main.sets.push_back(std::move(high));
    chart.main.sets.push_back(std::move(low));
  }
  chart.main.curveLabels = legend;
  chart.main.curveStyles = styles;
  points.sets.push_back(std::move(allValues));
  CurveStyle black = SpecialCurveStyle(Rgb{0, 0, 0}, kPatternSolid);
  black.pointStyle = kPointDefault;
  black.pointSize = 3;
  points.curveLabels = {""};
  points.curveStyles = {black};
  chart.second = std::move(points);
  for (int k = 1; k <= K; ++k)
    chart.xLabels.push_back({RangeLabelX(curveCount, k), std::string(IndexName(input.indices[k - 1]))});
  if (any) {
    chart.yAutomatic = false;
    chart.yMax = std::trunc(top + 1.0);
    // Rounded down, not towards zero, so a negative lower limit stays inside the axis.
    chart.yMin = std::floor(bottom);
  }
  return g;
}

std::string IndexGraphExportText(const IndexGraph& g) {
  const bool range = g.type == IndexGraphType::Range;
  std::string out;
  for (const std::string& line : g.header) out += line + kCrLf;
  out += std::string("Legend:") + kCrLf;
  for (std::size_t j = 0; j < g.titles.size(); ++j)
    out += Format("    Y%d - %s", static_cast<int>(j + 1), g.titles[j].c_str()) + kCrLf;
  out += "   INDEX,";
  for (std::size_t j = 0; j < g.titles.size(); ++j)
    out += Format(range ? ", ,  Y%d  , ," : " ,  Y%d  ", static_cast<int>(j + 1));
  out += kCrLf;
  if (range) {
    out += " ,";
    for (std::size_t j = 0; j < g.titles.size(); ++j) out += ",Lower,Value,Upper,";
    out += kCrLf;
  }
  for (std::size_t k = 0; k < g.indices.size(); ++k) {
    out += Format("%s,", std::string(IndexName(g.indices[k])).c_str());
    for (std::size_t j = 0; j < g.titles.size(); ++j) {
      if (range)
        out += Format(",%13.3f,%13.3f,%13.3f,", static_cast<double>(g.lower[j][k]),
                      static_cast<double>(g.value[j][k]), static_cast<double>(g.upper[j][k]));
      else
        out += Format(",%13.3f", static_cast<double>(g.value[j][k]));
    }
    out += kCrLf;
  }
  return out;
}

}  // namespace zelvo
