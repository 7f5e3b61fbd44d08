// The derived columns of a steel catalogue line and of its corroded-section
// chart line.
//
// Idealisation: the wall's steel is plates of the nominal thickness t, placed
// symmetrically about the wall's neutral axis, with the extreme fibres at c
// from it (U-type: the pile height; Z-type: half the wall's depth). Corrosion
// takes t1 off every plate's face on the more corroded side and t2 off the
// other face, so with s = t1 + t2 every plate keeps t - s, the section shifts
// by (t1 - t2) / 2 as a whole and the extreme fibres come to c - s / 2 from
// the shifted axis:
//     I(s) = I0 (1 - s / t),   Z(s) = Z0 (1 - s / t) c / (c - s / 2).
// (The same idealisation gives the stability program's I = Z (c - s / 2).)
// The table covers corrosion that leaves at least half of every plate:
// s <= t / 2, so along the line of ratio a = t2 / t1 the allowance runs up to
// e(a) = (t / 2) / (1 + a), and every line ends at the same section modulus
//     Zmin = Z(t / 2) = Z0 (1/2) c / (c - t / 4).
// The loss per millimetre of t1 is the secant of Z(s) over the covered range,
//     q(a) = (Z0 - Zmin) / e(a) = (Z0 - Zmin) (1 + a) / (t / 2),
// which lies below the curved Z(s) everywhere in it (Z(s) is concave), so
// the straight-line table never overstates the remaining section.
#pragma once

#include "sheet_pile_sections.h"

#include <array>

namespace wtn::tools {

inline constexpr std::array<double, 5> kCorrosionRatios = {0.0, 0.25, 0.5, 0.75, 1.0};

struct CorrosionColumns {
    std::array<double, 5> loss_per_mm{}; // q at the five ratios, cm3/m per mm (2 decimals)
    double depth_value = 0.0; // c as stored in the catalogue, mm (twice c for the Z-type ids)
    double smallest_z = 0.0;  // Zmin, whole cm3/m rounded down
    double largest_t1 = 0.0;  // e(0) = t / 2, mm (2 decimals)
    std::array<double, 5> line_ends{}; // e(a) at the five ratios, mm (2 decimals, rounded down)
};

// The extreme-fibre distance c the stability program uses, mm.
double extreme_fibre_distance(const SteelSection& section);

// Z after corrosion of the idealised section, cm3/m.
double idealised_corroded_z(const SteelSection& section, double t1, double t2);

CorrosionColumns corrosion_columns(const SteelSection& section);

} // namespace wtn::tools
