// The pages that open the active and the passive earth-pressure sub-sections
// (which formulas and options the calculation used) and the layer table of
// each side: levels, friction angle or cohesion, unit weight and weight of
// each layer, in the seismic case with the coefficients and seismic angles.
#pragma once

#include "earth_pressure_report.h"
#include "page_file.h"

namespace wtn {

void write_active_formula_pages(PageFile& pages, const EarthPressureReport& report, int c);
void write_active_layer_table(PageFile& pages, const EarthPressureReport& report, int c);
void write_passive_formula_pages(PageFile& pages, const EarthPressureReport& report, int c);
void write_passive_layer_table(PageFile& pages, const EarthPressureReport& report, int c);

} // namespace wtn
