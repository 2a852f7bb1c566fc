#include "zelvo/graphs/ChartDescription.h"

namespace zelvo {

Rgb ColourOf(const Rgb& stored) { return Rgb{stored.red & 0xff, stored.green & 0xff, stored.blue & 0xff}; }

int LinePatternOf(int curve, bool lineStyle) {
  if (!lineStyle) return kPatternSolid;
  // The pattern runs 2..7 and wraps from 8 back to 2.
  return kPatternSolid + curve % 6;
}

std::vector<CurveStyle> PreferenceCurveStyles(const Preferences& prefs, int count, bool plotPoints,
                                              bool lineStyle) {
  std::vector<CurveStyle> styles;
  for (int n = 0; n < count && n < kMaxCurves; ++n) {
    CurveStyle s;
    s.lineColour = ColourOf(prefs.curveColours[static_cast<std::size_t>(n)]);
    s.pointColour = s.lineColour;
    s.lineWidth = 2;
    s.pointSize = 6;
    s.pointStyle = plotPoints ? kPointDefault : kPointNone;
    s.pattern = LinePatternOf(n, lineStyle);
    styles.push_back(s);
  }
  return styles;
}

CurveStyle SpecialCurveStyle(Rgb colour, int pattern) {
  CurveStyle s;
  s.lineColour = colour;
  s.pointColour = colour;
  s.pattern = pattern;
  s.lineWidth = 2;
  s.pointSize = 6;
  s.pointStyle = kPointNone;
  return s;
}

}  // namespace zelvo
