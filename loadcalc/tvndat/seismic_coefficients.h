// Seismic coefficients k' at the top and bottom of every layer and the
// seismic angles theta = atan k'. Above the water level the design seismic
// coefficient k acts; below it the apparent coefficient that accounts for the
// buoyant soil carrying the inertia of its pore water, by the rule the input
// chooses: given, the general formula gamma / (gamma - 10) k, or one of two
// proposals that weigh the overburden.
#pragma once

#include "customisation.h"
#include "input_record.h"
#include "layer_model.h"

namespace wtn {

// theta = atan k, rounded to whole seconds of arc.
double seismic_angle(double k);

// Apparent seismic coefficients (unrounded); k is the design coefficient.
// General formula with the saturated unit weight; a unit weight of 10 or
// less (no buoyancy left) stops the program.
double apparent_k_general(double gamma_sat, double k);

// The proposal that weighs the water above the point:
// (sigma + w h_w + q) / (sigma + q) k. At a point without overburden the
// sea side, or the land side under the submerged-formula crown rule, takes
// the general formula; the land side under the in-air rule takes k itself.
double apparent_k_niken(double sigma, double h_w, double q, double gamma_sat, bool sea, double k,
                        double water_weight, CrownApparentRule crown_rule);

// The proposal by layer: (2 (S_wet + S_sat + q) + gamma_sat H) /
// (2 (S_wet + S_used + q) + gamma_used H) k, with the wet overburden above the
// water, the saturated and used overburden of the submerged rows above the
// layer, and its thickness H. A zero denominator (no weight at all above or in
// the layer) stops the program.
double apparent_k_arai_yokoi(double s_wet, double s_sat, double s_used, double q, double h,
                             double gamma_sat, double gamma_used, double k);

// k', kinds and theta at the top and bottom of one layer.
struct LayerCoefficients {
    double k_top = 0.0;
    double k_bottom = 0.0;
    int kind_top = kCoefficientInAir;
    int kind_bottom = kCoefficientInAir;
    double theta_top = 0.0;
    double theta_bottom = 0.0;
};

// The residual-water row takes the coefficient in air at its top when the
// input asks for air on both sides of the water level.
bool air_at_rwl(const LoadModel& model, const InputRecord& input, int i);
bool air_at_lwl(const LoadModel& model, const InputRecord& input, int j);

// A clay point below the seabed whose intensity needs no seismic angle: at or
// below the seabed minus 10 m, or a layer bottom under the interpolation method.
bool clay_below_seabed(const LoadModel& model, const InputRecord& input, int i, bool bottom);

// k', kinds and theta of land-side layer i for the surcharges q_top and
// q_bottom (each first rounded to 2 decimals when round_q is set). Does not
// change the model.
LayerCoefficients land_seismic_coefficients(const LoadModel& model, const InputRecord& input,
                                            const CustomisationValues& custom, int i, bool round_q,
                                            double q_top, double q_bottom);

// Stores k' and theta (rounded to 0.1 degree) of every sea-side layer from
// the seabed down; seismic case.
void sea_seismic_coefficients(LoadModel& model, const InputRecord& input,
                              const CustomisationValues& custom);

} // namespace wtn
