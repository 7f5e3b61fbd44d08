// The residual water pressure (its intensity, or that there is none), the
// active and residual water pressures of each land layer from the
// superstructure crown down, the net pressure diagram row by row, and the
// virtual seabed with the pressures that fix it.
#pragma once

#include "earth_pressure_report.h"
#include "page_file.h"
#include "page_values.h"

namespace wtn {

// Returns the water flag: 1 when a residual water pressure is reported.
int write_residual_water_section(PageFile& pages, const EarthPressureReport& report,
                                 const ChapterNumbers& numbers);
void write_residual_water_table(PageFile& pages, const EarthPressureReport& report,
                                const ChapterNumbers& numbers);
void write_net_pressure_table(PageFile& pages, const EarthPressureReport& report,
                              const ChapterNumbers& numbers);
void write_virtual_seabed_section(PageFile& pages, const EarthPressureReport& report,
                                  const ChapterNumbers& numbers);

} // namespace wtn
