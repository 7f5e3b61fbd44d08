// Chapter 1 of the completed-state report, the list of design conditions:
// dimensions, tide levels, residual water level, cohesion datum, unit weight
// of water, surcharge, seismic coefficient, corrosion, lateral-resistance
// constants and allowables, numbered 1-1 onward. Written as a free-running
// list that becomes generated page templates and the index "JD000JKN.PDT".
#pragma once

#include "earth_pressure_report.h"

namespace wtn {

void write_condition_list(const EarthPressureReport& report);

} // namespace wtn
