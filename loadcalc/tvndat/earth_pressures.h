// Active earth-pressure intensities at the top and bottom of every land-side
// layer from the ground-surface crown down, and passive intensities of every
// sea-side layer from the design seabed down, for the current case.
#pragma once

#include "customisation.h"
#include "input_record.h"
#include "layer_model.h"

namespace wtn {

// Seismic angle used for an active intensity: the point's k', rounded again
// when it is a computed apparent coefficient, taken to 0.1 degree. 0 in the
// normal case.
double pressure_theta(const InputRecord& input, const CustomisationValues& custom, int load_case,
                      double k, int kind);

// Fills model.active and the land-side failure angles of the case.
void active_pressures(LoadModel& model, const InputRecord& input, const CustomisationValues& custom,
                      int load_case);

// Fills model.passive and the sea-side failure angles of the case.
void passive_pressures(LoadModel& model, int load_case);

// Seismic case: corrects the bottom intensity of a clay layer from top to
// top - h. Under the interpolation method a layer ending within 10 m below the
// seabed had its bottom intensity computed at the seabed minus 10 m; it is
// read back on the straight line from the top value. Below the seabed the
// bottom intensity never falls under the top intensity.
void interpolate_to_seabed_minus_10(const InputRecord& input, int load_case, double top, double h,
                                    double p_top, double& p_bottom);

} // namespace wtn
