// Residual water pressure behind the wall and the zero-pressure level of
// cohesive layers. The residual water pressure is 0 above the residual water
// level (R.W.L.), grows linearly to p_w = (R.W.L. - L.W.L.) x gamma_w at the
// L.W.L. and stays p_w below it. Levels in m, pressures kN/m2.
#pragma once

#include "pressure_diagram.h"

#include <optional>

namespace wtn {

// p_w in kN/m2, 3 decimals.
double residual_water_base(double rwl, double lwl, double water_weight);

// Residual water pressure at level z of a boundary at or below the residual
// water boundary, whose level is rwl_boundary: 0 at and above the R.W.L.,
// p_w scaled linearly above the L.W.L., p_w below. 3 decimals.
double residual_water_at_boundary_top(double z, double rwl_boundary, double rwl, double lwl,
                                      double pw);
// The same at the bottom of a layer (the next boundary's level): the bottom of
// a layer below the residual water boundary is always below the R.W.L.
double residual_water_at_boundary_bottom(double z, double rwl_boundary, double lwl, double pw);

// Fills the residual water values of every row of the merged diagram from the
// row levels: rows at or below the R.W.L. carry p_w (scaled above the L.W.L.);
// rows above it and the closing row carry 0.
void fill_residual_water_rows(PressureRowTable& rows, double pw, double rwl, double lwl);

// Active-pressure inputs of a cohesive layer for the zero-pressure level.
struct ClayZeroInputs {
    double phi = 0.0;   // friction angle, radians
    double level = 0.0; // top of the layer
    double thickness = 0.0;
    double formula1_top = 0.0;    // sigma + q - 2c at the top
    double formula1_bottom = 0.0; // ... at the bottom (or at the seabed - 10 m)
    double formula2_top = 0.0;
    double formula2_bottom = 0.0;
    double adopted_top = 0.0;
    double adopted_bottom = 0.0;
    bool bottom_at_seabed_minus_10 = false;
};

inline constexpr int kZeroNotExamined = 0; // sand, or clay whose pressure does not start negative
inline constexpr int kZeroNoCrossing = -1; // negative at the top without a usable crossing
inline constexpr int kZeroCrossing = 1;    // the pressure crosses zero inside the layer

struct ZeroPressure {
    int flag = kZeroNotExamined;
    double level = 0.0;
};

// Where the first clay formula, negative at the top of a cohesive layer,
// reaches zero: on the straight line through the top value and the bottom
// value (taken at the seabed - 10 m when the bottom value was computed there).
ZeroPressure zero_pressure_level(const ClayZeroInputs& layer, double design_seabed);

} // namespace wtn
