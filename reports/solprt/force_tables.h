// The forces and moments about the virtual seabed that close the earth-pressure
// chapter: the pieces of the net pressure diagram, the hydrodynamic pressure
// of Westergaard in the seismic case, the other external forces with the
// totals, the height of the resultant, and the hydrodynamic distribution with
// its pieces.
#pragma once

#include "earth_pressure_report.h"
#include "page_file.h"
#include "page_values.h"

namespace wtn {

void write_moment_table(PageFile& pages, const EarthPressureReport& report, int c);
void write_dynamic_water_section(PageFile& pages, const EarthPressureReport& report, int c);
void write_force_moment_table(PageFile& pages, const EarthPressureReport& report, int c);
void write_resultant_height(PageFile& pages, const EarthPressureReport& report, int c);
void write_dynamic_water_tables(PageFile& pages, const EarthPressureReport& report,
                                const ChapterNumbers& numbers);

// The other external forces of case c in the input.
int other_force_count(const InputRecord& input, int c);

} // namespace wtn
