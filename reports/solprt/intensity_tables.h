// The earth-pressure intensities of each side, layer by layer: on the land
// side vertical pressure, surcharge, failure angle and either the coefficient
// (sand) or the two clay formulas, and the adopted active pressure; the
// interpolation table of clay layers ending within 10 m below the seabed; the
// clay layers whose pressure turns negative; on the sea side the passive
// coefficient and pressure.
#pragma once

#include "earth_pressure_report.h"
#include "page_file.h"

namespace wtn {

void write_active_intensity_table(PageFile& pages, const EarthPressureReport& report, int c);
void write_clay_interpolation_table(PageFile& pages, const EarthPressureReport& report, int n);
void write_passive_intensity_table(PageFile& pages, const EarthPressureReport& report);

} // namespace wtn
