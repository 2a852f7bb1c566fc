#pragma once
// "Graphics Preferences": the 20 curve colours and the defaults with which flow graphs open.

#include <array>

#include "common/ui/Ui.h"
#include "zelvo/files/Preferences.h"

namespace zelvo {

struct AppState;

struct GraphicsPreferencesForm : Form {
  const char* FormName() const override { return "GraphicsPreferences"; }
  static constexpr const char* kCaption = "Graphics Preferences";
  std::array<Rgb, kCurveColours> colours{};
  int annualSeries = 0;   // 0..9, the series numbers of the flow graphs
  int monthlySeries = 0;  // 0..4
  int scale = 0;          // 0 Linear, 1 Log
  int graphType = 0;      // 0 Line, 1 Bar
  bool plotPoints = false;
  bool grid = false;
  bool lineStyle = false;
};

GraphicsPreferencesForm MakeGraphicsPreferencesForm(const Preferences& preferences);
void ApplyGraphicsPreferencesForm(const GraphicsPreferencesForm& form, Preferences& preferences);

// The command: OK stores the form and marks the preferences changed; Cancel changes nothing.
void EditGraphicsPreferences(AppState& app, Ui& ui);

}  // namespace zelvo
