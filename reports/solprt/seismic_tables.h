// The apparent-seismic-coefficient sub-section of the seismic case: the page
// naming the method below the water, then the active-side and passive-side
// tables of the seismic coefficient, layer by layer, in the layout of the
// method (Arai-Yokoi, the second district bureau's proposal, or standard).
#pragma once

#include "earth_pressure_report.h"
#include "page_file.h"

namespace wtn {

void write_apparent_seismic_section(PageFile& pages, const EarthPressureReport& report);
void write_active_seismic_table(PageFile& pages, const EarthPressureReport& report);
void write_passive_seismic_table(PageFile& pages, const EarthPressureReport& report);

// The land-side coefficient at the top or bottom of a row as the report
// prints it, and its angle (degrees, 1 decimal).
double printed_land_coefficient(const EarthPressureReport& report, double k, int kind);

} // namespace wtn
