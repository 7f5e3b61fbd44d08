// Fits and mappings of the two diagram figures: the earth-pressure figure
// (pressure across, level down, on a landscape sheet) and the external-force
// figure of a case (upright, down to the virtual seabed). Each fit chooses the
// scales so the diagram fills the drawing window of its set-up; each mapping
// stores the page points the figure's parts draw in the figure's record. Page
// points are truncated toward zero when stored; one that cannot be stored
// stops the program naming the drawing.
#pragma once

#include "earth_pressure_report.h"

#include <string>

namespace wtn {

// Earth-pressure figure.
void fit_pressure_scale(EarthPressureReport& report);
void map_pressure_figure(EarthPressureReport& report, const std::string& drawing);

// External-force figure of case c: false when its diagram has no extent in
// value or level (the figure is then left out).
bool fit_load_scale(EarthPressureReport& report, int c);
void map_load_figure(EarthPressureReport& report, int c, const std::string& drawing);

} // namespace wtn
