// Fits and mappings of the figures drawn over the ground profile: the
// design-condition figure and the surcharge figures. Each fit takes the
// model's extent and chooses the scales so the model fills the drawing window
// of its set-up; each mapping stores the page points the figure's parts draw
// in the figure's record. Page points are truncated toward zero when stored;
// one that cannot be stored stops the program naming the drawing.
#pragma once

#include "earth_pressure_report.h"

#include <string>

namespace wtn {

// A land-side record at this level has no boundary to draw.
inline constexpr double kNoBoundaryLevel = 999.99;
bool has_boundary_level(double level);

// The largest surcharge intensity of the input over both cases.
void find_max_surcharge(EarthPressureReport& report);

// The surcharged ground profile of the design-condition figure: the case's
// ground rows but the last (none for a straight ground surface).
void load_condition_profile(EarthPressureReport& report);
// The profile of the surcharge figures: the ground rows but the last, each
// followed by the points where a shown layer's failure plane reaches the
// ground between it and the next row.
void load_surcharge_profile(EarthPressureReport& report);

// Design-condition figure: scale and origin, then the mapping. A model
// without extent stops the program (messages 57 and 63).
void fit_figure_scale(EarthPressureReport& report, const std::string& drawing);
void map_condition_figure(EarthPressureReport& report, const std::string& drawing);
void map_condition_profile(EarthPressureReport& report, const std::string& drawing);

// Surcharge figures.
void fit_surcharge_scale(EarthPressureReport& report);
void map_surcharge_figure(EarthPressureReport& report, const std::string& drawing);
void map_surcharge_profile(EarthPressureReport& report, const std::string& drawing);

} // namespace wtn
