#include "zelvo/graphs/GraphicsPreferences.h"

#include "zelvo/session/AppState.h"

namespace zelvo {

GraphicsPreferencesForm MakeGraphicsPreferencesForm(const Preferences& p) {
  GraphicsPreferencesForm f;
  f.colours = p.curveColours;
  f.annualSeries = p.annualSeries;
  f.monthlySeries = p.monthlySeries;
  f.scale = p.scale;
  f.graphType = p.graphType;
  f.plotPoints = p.plotPoints;
  f.grid = p.grid;
  f.lineStyle = p.lineStyle;
  return f;
}

void ApplyGraphicsPreferencesForm(const GraphicsPreferencesForm& f, Preferences& p) {
  p.curveColours = f.colours;
  p.annualSeries = f.annualSeries;
  p.monthlySeries = f.monthlySeries;
  p.scale = f.scale;
  p.graphType = f.graphType;
  p.plotPoints = f.plotPoints;
  p.grid = f.grid;
  p.lineStyle = f.lineStyle;
}

void EditGraphicsPreferences(AppState& app, Ui& ui) {
  GraphicsPreferencesForm form = MakeGraphicsPreferencesForm(app.preferences);
  if (!ui.Edit(form)) return;
  ApplyGraphicsPreferencesForm(form, app.preferences);
  app.preferencesChanged = true;
}

}  // namespace zelvo
