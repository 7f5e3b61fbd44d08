// Allowable stresses and displacements, Young's modulus, the corrosion
// allowances of the two corrosion zones (sea water and seabed mud) and the
// section of a candidate after corrosion.
#pragma once

#include "stability_run.h"

#include <array>

namespace wtn {

// Steel allowables (per_candidate false, once before the trial) or the
// concrete allowables of candidate k (per_candidate true), into
// DesignValueBlock.
void allowable_stresses(StabilityRun& run, bool per_candidate, int k);
void allowable_displacements(StabilityRun& run);
void youngs_modulus(StabilityRun& run);

// Allowances t1 >= t2 of both zones and the corrosion case flag, into
// CorrosionBlock, for candidate k.
void corrosion_allowances(StabilityRun& run, int k);

// The section of one zone after corrosion.
struct ZoneSection {
    double modulus = 0.0;            // Z', cm3/m
    double modulus_before_cut = 0.0; // before the significant-digit cut
    double inertia = 0.0;            // I', cm4/m
    double rigidity = 0.0;           // EI', kN*m2/m
    double reduction_ratio = 1.0;
    double rho = 0.0; // t2/t1 as used (0 for a user's pile)
    bool left = true; // false: nothing left after corrosion
};

struct SheetPileCorrosion {
    bool added = false; // pile of the user's own catalogue: reduced by rate
    double z0 = 0.0;    // cm3/m
    double i0 = 0.0;    // cm4/m
    std::array<double, kCorrosionTablePoints> table{};
    double depth_value = 0.0; // c used for I', mm
    double rate = 100.0;      // reduction rate of the zone, percent
};

// Z' and I' of a steel sheet pile after corrosion by t1 and t2 (mm), by the
// catalogue's corrosion table or, for a user's pile, by the reduction rate.
// Stops with the t2/t1 message when t2 exceeds t1.
ZoneSection sheet_pile_after_corrosion(const SheetPileCorrosion& pile, double t1, double t2,
                                       const CustomisationValues& custom, double young);

// t2/t1 to two decimals (0 when t1 is 0). Stops with the t2/t1 message when
// it exceeds 1.0.
double corrosion_ratio(double t1, double t2);

// x cut to n significant digits (n > 0).
double cut_significant_digits(double x, int n);

// Sections 1 (sea water) and 2 (seabed mud) of candidate k after corrosion.
// Returns 1 when a zone has no section left, else 0.
int section_after_corrosion(StabilityRun& run, int k);

// For the decided candidate k: asks in the "waring" box whether to go on when
// its corrosion lies outside its catalogue's corrosion table. No stops the
// program with exit code 1.
void confirm_corrosion_warnings(const StabilityRun& run, int k);

} // namespace wtn
