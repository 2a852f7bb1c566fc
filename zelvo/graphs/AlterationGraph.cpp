#include "zelvo/graphs/AlterationGraph.h"

#include <cmath>
#include <limits>

#include "common/engine/TextFormat.h"

namespace zelvo {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr double kNoBar = std::numeric_limits<double>::quiet_NaN();

const char* const kClassLabels[] = {"Low alteration (within 33 %)", "Moderate alteration (33 to 67 %)",
                                    "High alteration (beyond 67 %)"};

}  // namespace

AlterationClass AlterationClassOf(double percent) {
  const double size = std::fabs(percent);
  if (size <= 33.0) return AlterationClass::Low;
  if (size <= 67.0) return AlterationClass::Moderate;
  return AlterationClass::High;
}

Rgb AlterationColour(AlterationClass c) {
  switch (c) {
    case AlterationClass::Low:
      return Rgb{0, 160, 60};
    case AlterationClass::Moderate:
      return Rgb{240, 170, 0};
    case AlterationClass::High:
      return Rgb{210, 30, 30};
  }
  return Rgb{};
}

ChartDescription BuildAlterationChart(const AlterationGraphInput& input, int block, bool grid) {
  ChartDescription c;
  c.holeValue = kNoBar;  // any percentage may be drawn, -99 % too
  c.grid = grid;
  c.header = {input.heading, "", input.method};
  c.yTitle = "Hydrologic alteration of the middle category (%)";
  c.valueLabels = true;
  c.xLabelRotation = -90.0;
  c.main.type = ChartType::Bar;
  c.main.barsOverlap = true;
  if (block < 0 || block >= static_cast<int>(input.blocks.size())) return c;
  const AlterationBars& bars = input.blocks[block];
  c.header[1] = bars.title;
  const std::size_t n = bars.quantities.size();
  c.main.sets.assign(3, ChartSet{});
  for (int k = 0; k < 3; ++k) {
    c.main.curveLabels.emplace_back(kClassLabels[k]);
    CurveStyle style;
    style.lineColour = AlterationColour(static_cast<AlterationClass>(k));
    style.pointColour = style.lineColour;
    c.main.curveStyles.push_back(style);
  }
  for (std::size_t i = 0; i < n; ++i) {
    const double x = static_cast<double>(i + 1);
    const std::optional<double> percent =
        i < bars.middlePercent.size() ? bars.middlePercent[i] : std::nullopt;
    const int cls = percent ? static_cast<int>(AlterationClassOf(*percent)) : -1;
    for (int k = 0; k < 3; ++k) {
      c.main.sets[k].x.push_back(x);
      c.main.sets[k].y.push_back(k == cls ? *percent : kNoBar);
    }
    c.xLabels.push_back(ChartLabel{x, bars.quantities[i]});
  }
  c.xMin = 0.0;
  c.xMax = static_cast<double>(n + 1);
  return c;
}

std::string AlterationExportText(const AlterationGraphInput& input, int block) {
  std::string out = input.heading + kCrLf;
  if (block < 0 || block >= static_cast<int>(input.blocks.size())) return out;
  const AlterationBars& bars = input.blocks[block];
  out += bars.title + kCrLf;
  out += input.method + kCrLf;
  out += std::string("quantity,middle HA %") + kCrLf;
  for (std::size_t i = 0; i < bars.quantities.size(); ++i) {
    const std::optional<double> percent =
        i < bars.middlePercent.size() ? bars.middlePercent[i] : std::nullopt;
    out += bars.quantities[i] + "," + (percent ? Format("%.1f", *percent) : std::string("N/A")) + kCrLf;
  }
  return out;
}

}  // namespace zelvo
