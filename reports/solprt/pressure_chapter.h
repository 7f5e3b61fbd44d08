// The earth-pressure and residual-water-pressure chapter of one case,
// "JD%d02DAT.PDT": the apparent seismic coefficient (seismic case), the active
// and passive pressures layer by layer, the residual water pressure, the net
// pressure, the virtual seabed, the moments about it, the hydrodynamic
// pressure and the other forces, with the chapter's two figures.
#pragma once

#include "earth_pressure_report.h"

#include <string>

namespace wtn {

std::string pressure_chapter_name(int c); // "JD%d02DAT.PDT" with c + 1

// Writes the chapter of case c (0 normal, 1 seismic) from the case's tables.
void write_pressure_chapter(EarthPressureReport& report, int c);

} // namespace wtn
