// Items of the calculation input that the writer derives instead of copying:
// residual water level, design seismic coefficient, lateral-resistance
// constants of the soil layers and of the per-side method records, wave
// lengths. The batch programs take these items as they stand.
#pragma once

#include "design_data.h"

namespace wtn {

// Residual water level from H.W.L. and L.W.L.: two thirds of the tide range
// above L.W.L., or the whole range (H.W.L.), both to 2 decimals; otherwise
// the given tide_lvl(4) unrounded.
double residual_water_level(const SekkeiData& sekkei);

// Design seismic coefficient: the given value, or the product of the regional,
// ground-type and importance factors, rounded to 2 decimals or, when
// sindo_round_sw is not half up, to the nearest 0.05.
double design_seismic_coefficient(const KanseijiData& kanseiji, SeismicRounding sindo_round_sw);

// Lateral-resistance constant of a soil layer by its method (kh_sw), from the
// N value of that method; 0 for the methods from N when N is below 0.00001,
// and for an option outside the list.
double soil_layer_constant(const DosouRec& layer);

// Coefficient of a per-side method record: given, from the mean N value
// (line 3) or from the rate of increase of N (line 2).
double method_coefficient(const DosouHohoRec& method);

// Wave length L (m) of linear wave theory, L = L0 tanh(2 pi h / L) with
// L0 = g T^2 / (2 pi), solved by Newton's method from L0; 0 when T or h is
// below 0.001. Computed with tanh, so a very short period over deep water
// gives L0 instead of overflowing. DataError when the inputs have no finite
// wave length (a period too large for a double) or Newton's method does not
// settle.
double calc_wave_length(double period, double depth);

// Wave length of tide level k for its line of the calculation input, to 2
// decimals: the depth is the tide level minus h, or minus d for a Kuroda /
// Hiroi row whose depth is not taken at the ground level h.
double tide_wave_length(const SekkeiData& sekkei, const SekoujiData& sekouji, int k,
                        const WaveRec& row);

// The hb levels that the construction-stage screen stores when hb is taken
// from the seabed slope under Goda's formula: the ground level
// five significant wave heights from the wall, h − 5 H1/3 / X, to 2
// decimals, per tide level. Nothing changes for a slope X of 0.
void derive_hb_levels(SekoujiData& sekouji);

} // namespace wtn
