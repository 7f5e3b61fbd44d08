// Dynamic water pressure on the sea side in the seismic case, by Westergaard's
// formula: p(y) = 7/8 k gamma_w sqrt(H y) at depth y below the water surface,
// resultant P = 7/12 k gamma_w H^2 acting 0.4 H above the seabed, with H the
// water depth above the design seabed. Where the water stands above the
// superstructure crown, the part above the crown does not act on the wall.
// Levels m, pressures kN/m2, forces kN/m, moments kN.m/m.
#pragma once

#include "dynamic_water_data.h"
#include "input_record.h"
#include "net_forces.h"
#include "virtual_seabed.h"

namespace wtn {

// Adds the dynamic water pressure of case c to the case's total force and
// moment (force_total, moment_total) and fills the distribution, its pieces and
// its totals. Does nothing unless has_dynamic_water_lines holds for the case
// (seismic case, apparent coefficient by the Arai-Yokoi proposal, dynamic
// water switched on, water above the design seabed).
void dynamic_water_pressure(const InputRecord& input, int c, double virtual_seabed,
                            double& force_total, double& moment_total, DynamicWaterData& data,
                            DynamicWaterSegments& segments, DynamicWaterTotals& totals);

} // namespace wtn
