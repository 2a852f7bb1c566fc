#pragma once
// The preferences of the main program, kept in "pref.dat" (588 bytes) in the start folder.

#include <array>
#include <cstdint>

namespace zelvo {

inline constexpr int kCurveColours = 20;
inline constexpr int kIndexGroups = 8;      // the four stream classes, then four further groups
inline constexpr int kFlowComponents = 10;  // magnitude, frequency, duration, timing, rate of change

struct Rgb {
  std::int32_t red = 0, green = 0, blue = 0;
};

struct Preferences {
  std::array<Rgb, kCurveColours> curveColours{};  // graphics: colour of curves 1..20
  std::int32_t annualSeries = 0;                  // default annual-basis flow series 0..9
  std::int32_t monthlySeries = 0;                 // default monthly-basis flow series 0..4
  std::int32_t scale = 0;                         // 0 linear, 1 logarithmic
  std::int32_t graphType = 0;                     // 0 line, 1 bar
  bool grid = false;
  bool plotPoints = false;
  bool lineStyle = false;
  std::int32_t defaultStreamClass = 0;  // 0..3
  // Chosen candidate position (0..4) of every group and flow component.
  std::array<std::array<std::int32_t, kFlowComponents>, kIndexGroups> indexChoice{};
  bool medianOption = false;
};

}  // namespace zelvo
